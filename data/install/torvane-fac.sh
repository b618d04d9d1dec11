#!/bin/sh
# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Torvane FAC in its own folder, where it reads its deck of cards.
here=$(dirname "$(readlink -f "$0")")
cd "$here/@TORVANE_APP_DIR_FROM_BIN@" || exit 1
exec ./torvane-fac "$@"
