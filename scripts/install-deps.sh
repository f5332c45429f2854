#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Pallador
# need, when they are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build make g++ mold
    qtbase5-dev qttools5-dev qttools5-dev-tools
    dbus libglib2.0-bin python3-dbus
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
