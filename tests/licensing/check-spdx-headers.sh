#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs tools/spdx-headers.sh twice over a repository of sample files and compares each file
# with the header it should have gained, once. Exits 77 (skipped) without git.
# Usage: check-spdx-headers.sh SCRIPT
set -uo pipefail
script=$(readlink -f "$1")
command -v git >/dev/null || { echo "SKIP: git is not installed"; exit 77; }

repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

tag="SPDX-License""-Identifier"
cpp_header="// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// $tag: GPL-3.0-or-later
"
hash_header="# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# $tag: GPL-3.0-or-later
"

# Each case: a path, its text before, its text after (the before text when unchanged).
paths=() befores=() afters=()
case_of() { paths+=("$1"); befores+=("$2"); afters+=("$3"); }
case_of src/a.cpp $'#include "a.h"\nint a() { return 1; }\n' "$cpp_header"$'\n#include "a.h"\nint a() { return 1; }\n'
case_of src/a.h $'#pragma once\n' "$cpp_header"$'\n#pragma once\n'
case_of CMakeLists.txt $'project(x)\n' "$hash_header"$'\nproject(x)\n'
case_of cmake/X.cmake $'set(x 1)\n' "$hash_header"$'\nset(x 1)\n'
case_of Makefile $'all:\n\ttrue\n' "$hash_header"$'\nall:\n\ttrue\n'
case_of tools/run.sh $'#!/bin/sh\n# Runs.\nexit 0\n' $'#!/bin/sh\n'"$hash_header"$'\n# Runs.\nexit 0\n'
case_of .ci/run $'#!/usr/bin/env bash\nmake test\n' $'#!/usr/bin/env bash\n'"$hash_header"$'\nmake test\n'
# Already carrying a header, in either comment style: left alone.
case_of src/done.cpp "$cpp_header"$'\nint b;\n' "$cpp_header"$'\nint b;\n'
case_of tools/done.sh $'#!/bin/bash\n'"$hash_header"$'echo\n' $'#!/bin/bash\n'"$hash_header"$'echo\n'
# Not source: data, text, a script of another language, an empty file.
case_of data/cards.txt $'1,C,LW\n' $'1,C,LW\n'
case_of README.md $'# X\n' $'# X\n'
case_of tools/gen.py $'#!/usr/bin/env python3\nprint(1)\n' $'#!/usr/bin/env python3\nprint(1)\n'
case_of data/empty '' ''

# The script works on the repository it is run in: this one, never the project's.
cd "$repo" || exit 1
git init -q . || { echo "FAIL: git init"; exit 1; }
for i in "${!paths[@]}"; do
    mkdir -p "$(dirname "${paths[$i]}")"
    printf '%s' "${befores[$i]}" >"${paths[$i]}"
done
chmod 755 tools/run.sh .ci/run
# An untracked file is not the project's: left alone.
printf 'int c;\n' >untracked.cpp
git add -- "${paths[@]}"

bash "$script" >/dev/null || fail "the first run failed"
if ! bash "$script" --check; then
    fail "--check finds files without a header after the first run"
fi
bash "$script" >"$repo/.second-run" || fail "the second run failed"
[ -s "$repo/.second-run" ] && fail "the second run changed: $(cat "$repo/.second-run")"

for i in "${!paths[@]}"; do
    if [ "$(cat "${paths[$i]}"; echo .)" != "${afters[$i]}." ]; then
        fail "${paths[$i]} became:"
        cat "${paths[$i]}"
    fi
done
[ "$(cat untracked.cpp)" = "int c;" ] || fail "an untracked file was changed"
for executable in tools/run.sh .ci/run; do
    [ -x "$executable" ] || fail "$executable lost its executable mode"
done

# --check reports a file without a header and fails.
printf 'int d;\n' >src/new.cpp
git add src/new.cpp
listed=$(bash "$script" --check 2>/dev/null) && fail "--check passed with src/new.cpp lacking a header"
[ "$listed" = src/new.cpp ] || fail "--check listed '$listed', not src/new.cpp"
[ "$(cat src/new.cpp)" = "int d;" ] || fail "--check changed src/new.cpp"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "spdx-headers.sh adds each header once"
