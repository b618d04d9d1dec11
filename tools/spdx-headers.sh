#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every tracked source file without a licence header the project's two header lines:
# C++ files in // comments; CMake files, the Makefile and shell scripts in # comments, after
# the #! line where there is one. Files that have a header in their first lines are left
# alone, so the script can be run again at any time. Data and settings files are covered by
# .reuse/dep5 instead.
# Usage, inside the repository: tools/spdx-headers.sh [--check]
# (--check lists the files without a header, changes nothing and fails if there are any)
set -euo pipefail
# The repository the command is run in, wherever the script itself lives.
cd "$(git rev-parse --show-toplevel)"

check_only=false
if [ "${1:-}" = --check ]; then
    check_only=true
elif [ $# -gt 0 ]; then
    echo "usage: $0 [--check]" >&2
    exit 2
fi

# Split so that licence scanners do not read this script's own text as a second header.
copyright_tag="SPDX-FileCopyrightText"
licence_tag="SPDX-License""-Identifier"
copyright_text="2026 Torvane FAC developers"
licence="GPL-3.0-or-later"

comment_of() {
    case $1 in
        *.cpp | *.h) echo "//" ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | Makefile | */Makefile | *.sh) echo "#" ;;
        *)
            # Scripts without an extension, such as .ci/run.
            if awk 'NR == 1 { shell = /^#!.*[\/ ](ba)?sh([ \t]|$)/; exit } END { exit !shell }' "$1"; then
                echo "#"
            fi
            ;;
    esac
}

lacking=0
while IFS= read -r -d '' file; do
    if [ ! -f "$file" ] || [ -L "$file" ]; then
        continue
    fi
    comment=$(comment_of "$file")
    [ -n "$comment" ] || continue
    if awk -v tag="$licence_tag:" 'index($0, tag) { found = 1; exit } NR == 10 { exit } END { exit !found }' "$file"; then
        continue
    fi
    lacking=$((lacking + 1))
    if $check_only; then
        echo "$file"
        continue
    fi
    header="$comment $copyright_tag: $copyright_text
$comment $licence_tag: $licence"
    updated=$(mktemp)
    if awk 'NR == 1 { shebang = /^#!/; exit } END { exit !shebang }' "$file"; then
        { head -n 1 -- "$file"; printf '%s\n\n' "$header"; tail -n +2 -- "$file"; } >"$updated"
    else
        { printf '%s\n\n' "$header"; cat -- "$file"; } >"$updated"
    fi
    # Written over the file in place, so that it keeps its mode.
    cat "$updated" >"$file"
    rm -f "$updated"
    echo "header added: $file"
done < <(git ls-files -z)

if $check_only && [ "$lacking" -ne 0 ]; then
    echo "$lacking file(s) without a licence header" >&2
    exit 1
fi
