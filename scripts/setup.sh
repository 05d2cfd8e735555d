#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; quiet when all are there.
set -euo pipefail

packages=(
    cmake make python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 fonts-wine fonts-liberation libxrender1 libxi6 libxrandr2 libxcursor1 libxfixes3
    libxcomposite1 libxinerama1 libxxf86vm1 xvfb xdotool x11-apps x11-utils imagemagick googletest clang-format
    wixl msitools zip unzip
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
