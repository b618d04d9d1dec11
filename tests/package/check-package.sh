#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package into a temporary folder and checks its files and its control
# fields. Exits 77 (skipped) where dpkg-deb or dpkg-shlibdeps is missing.
# Usage: check-package.sh CPACK BUILD_DIR VERSION
set -uo pipefail
cpack=$1
build=$2
version=$3

for tool in dpkg-deb dpkg-shlibdeps dpkg readelf; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages dpkg-dev, binutils)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cpack" -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
arch=$(dpkg --print-architecture)
deb="$work/out/torvane-fac_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
    ls "$work/out"
    echo "FAIL: no torvane-fac_${version}_${arch}.deb"
    exit 1
fi

# The files: what `cmake --install` puts below /usr, and Debian's own files beside them.
dpkg-deb -c "$deb" >"$work/contents" || { echo "FAIL: dpkg-deb -c"; exit 1; }
awk '$1 !~ /^d/ { sub(/^\.\//, "/", $6); print $6 }' "$work/contents" | sort >"$work/packaged"
cmake --install "$build" --prefix "$work/install/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
{
    (cd "$work/install" && find . ! -type d | sed 's|^\.||')
    printf '%s\n' /usr/share/doc/torvane-fac/copyright /usr/share/doc/torvane-fac/changelog.gz \
        /usr/share/lintian/overrides/torvane-fac
} | sort >"$work/expected"
if ! diff -u "$work/expected" "$work/packaged"; then
    fail "the package's files are not those of cmake --install plus the Debian files (- expected, + packaged)"
fi
app=/usr/lib/torvane-fac
for file in $app/torvane-fac $app/torvane-horn.so $app/FAC_Data.txt $app/horn.wav /usr/bin/torvane-fac \
    $app/torvane_cs.qm $app/torvane_de.qm $app/torvane_fi.qm $app/torvane_fr.qm $app/torvane_sv.qm \
    /usr/share/applications/org.torvane.fac.desktop /usr/share/metainfo/org.torvane.fac.metainfo.xml \
    /usr/share/icons/hicolor/48x48/apps/org.torvane.fac.png \
    /usr/share/icons/hicolor/scalable/apps/org.torvane.fac.svg /usr/share/man/man6/torvane-fac.6.gz; do
    grep -qx "$file" "$work/packaged" || fail "the package lacks $file"
done

# Owned by root; programs executable by all, everything else readable by all and written by root only.
not_root=$(awk '$2 != "root/root" { print $6 }' "$work/contents")
[ -z "$not_root" ] || fail "not owned by root: $not_root"
while read -r mode _ _ _ _ path; do
    path=${path#.}
    case $mode in
        d*) want=drwxr-xr-x ;;
        *) case $path in
               /usr/bin/torvane-fac | "$app/torvane-fac") want=-rwxr-xr-x ;;
               *) want=-rw-r--r-- ;;
           esac ;;
    esac
    [ "$mode" = "$want" ] || fail "$path has mode $mode, not $want"
done <"$work/contents"

# The binaries are stripped of their debugging information and bind every symbol at start-up.
dpkg-deb -x "$deb" "$work/root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
for binary in $app/torvane-fac $app/torvane-horn.so; do
    if readelf -S "$work/root$binary" | grep -q '\.debug_info'; then
        fail "$binary is not stripped"
    fi
    readelf -d "$work/root$binary" | grep -q '(FLAGS) .*BIND_NOW' || fail "$binary is not linked with -z now"
done

# Nothing runs on installing or removing: the package has no maintainer scripts.
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control_files" = "control md5sums " ] || fail "the control archive holds $control_files"

# The packaged command starts the program in its own folder.
printf '#!/bin/sh\npwd -P\n' >"$work/root$app/torvane-fac"
started_in=$(cd / && "$work/root/usr/bin/torvane-fac")
[ "$started_in" = "$(cd "$work/root$app" && pwd -P)" ] ||
    fail "/usr/bin/torvane-fac started the program in '$started_in'"

# Debian's own files.
grep -q '^License: GPL-3+' "$work/root/usr/share/doc/torvane-fac/copyright" ||
    fail "the copyright file names no GPL-3+"
grep -q '^ Attribution-ShareAlike 4.0 International' "$work/root/usr/share/doc/torvane-fac/copyright" ||
    fail "the copyright file lacks the text of CC-BY-SA-4.0"
first_entry=$(gzip -dc "$work/root/usr/share/doc/torvane-fac/changelog.gz" | head -n 1)
case $first_entry in
    "torvane-fac ($version) "*) ;;
    *) fail "the changelog's first entry is '$first_entry', not version $version" ;;
esac

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = torvane-fac ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ "$(field Maintainer)" = "Torvane FAC developers <dev@torvane.example.org>" ] ||
    fail "Maintainer is '$(field Maintainer)'"
[ "$(field Homepage)" = https://torvane.example.org ] || fail "Homepage is '$(field Homepage)'"
[ "$(field Description | wc -l)" -gt 2 ] || fail "the description has no long text"
# The libraries both binaries link, the audio module's included, the fonts the window asks for
# and the database driver Qt loads as a plugin.
depends=$(field Depends)
echo "Depends: $depends"
for package in fonts-liberation libqt6sql6-sqlite qt6-translations-l10n libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    libqt6multimedia6; do
    printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$package\( (\|$\)" || fail "Depends lacks $package"
done

if command -v lintian >/dev/null; then
    lintian --pedantic --fail-on error,warning,pedantic "$deb" || fail "lintian reports errors, warnings or pedantic tags"
else
    echo "note: lintian not installed; the package not checked by it"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package $(basename "$deb") is complete"
