#!/bin/sh
# Starts Torvane FAC in its own folder, where it reads its deck of cards.
here=$(dirname "$(readlink -f "$0")")
cd "$here/@TORVANE_APP_DIR_FROM_BIN@" || exit 1
exec ./torvane-fac "$@"
