#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, testing and running need, and only the missing ones.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(cmake g++ ninja-build qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n fonts-liberation "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}. Install them with your system's package manager." >&2
    exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Missing packages: ${missing[*]}. Run 'make' as root or install sudo." >&2
    exit 1
fi

echo "Installing ${missing[*]} ..."
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
