#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks the tree a desktop expects.
# Usage: check-installed-tree.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { [ -e "$prefix/$1" ] || fail "missing $1"; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

app=lib/torvane-fac
for file in "$app/torvane-fac" "$app/torvane-horn.so" "$app/FAC_Data.txt" "$app/horn.wav" bin/torvane-fac \
    "$app/torvane_cs.qm" "$app/torvane_de.qm" "$app/torvane_fi.qm" "$app/torvane_fr.qm" "$app/torvane_sv.qm" \
    share/applications/org.torvane.fac.desktop share/metainfo/org.torvane.fac.metainfo.xml \
    share/man/man6/torvane-fac.6.gz; do
    need "$file"
done
[ -x "$prefix/$app/torvane-fac" ] || fail "$app/torvane-fac is not executable"
[ -x "$prefix/bin/torvane-fac" ] || fail "bin/torvane-fac is not executable"
cmp -s "$prefix/$app/FAC_Data.txt" "$source/data/FAC_Data.txt" || fail "the installed deck differs from data/"
cmp -s "$prefix/$app/horn.wav" "$source/data/horn.wav" || fail "the installed horn differs from data/"
gzip -dc "$prefix/share/man/man6/torvane-fac.6.gz" 2>/dev/null | cmp -s - "$source/data/torvane-fac.6" ||
    fail "the installed manual page differs from data/"

# The icon in every size of the hicolor theme, as the desktop entry names it.
icon=$(sed -n 's/^Icon=//p' "$prefix/share/applications/org.torvane.fac.desktop")
[ "$icon" = org.torvane.fac ] || fail "desktop entry names icon '$icon'"
if [ -d "$source/data/icons/hicolor" ]; then
    for size in 16 22 24 32 48 64 128 256; do
        need "share/icons/hicolor/${size}x${size}/apps/$icon.png"
    done
    need "share/icons/hicolor/scalable/apps/$icon.svg"
else
    echo "note: data/icons/hicolor is not in the source tree yet; icons not checked"
fi

# The desktop entry starts the installed command.
exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/org.torvane.fac.desktop")
[ -x "$prefix/bin/$exec_command" ] || fail "desktop entry runs '$exec_command', which bin/ does not hold"

# The command starts the program in its own folder, also when called through a link from
# elsewhere. A stand-in program reports the folder it was started in.
sandbox=$(mktemp -d)
trap 'rm -rf "$prefix" "$sandbox"' EXIT
mkdir -p "$sandbox/tree" "$sandbox/elsewhere"
cp -r "$prefix/bin" "$prefix/lib" "$sandbox/tree/"
printf '#!/bin/sh\npwd -P\n' >"$sandbox/tree/$app/torvane-fac"
ln -s "$sandbox/tree/bin/torvane-fac" "$sandbox/elsewhere/fac-link"
want=$(cd "$sandbox/tree/$app" && pwd -P)
for command in "$sandbox/tree/bin/torvane-fac" "$sandbox/elsewhere/fac-link"; do
    started_in=$(cd / && "$command")
    [ "$started_in" = "$want" ] || fail "$command started the program in '$started_in', not '$want'"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.torvane.fac.desktop" || fail "desktop-file-validate"
else
    echo "note: desktop-file-validate not installed; desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.torvane.fac.metainfo.xml" ||
        fail "appstreamcli validate"
else
    echo "note: appstreamcli not installed; metainfo not validated"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree is complete"
