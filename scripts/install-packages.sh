#!/usr/bin/env bash
# Installs the Debian 12 packages that the builds, the tests and the run command need, where missing.
set -euo pipefail

packages=(
    # Builds and native tests
    cmake make g++ googletest libgtest-dev libgmock-dev clang-format clang-tidy
    # The Windows build
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    # Running it: 32-bit Wine, an X server without a screen, Chinese fonts, screenshots
    wine wine32:i386 fonts-wine xvfb x11-utils fonts-wqy-microhei fonts-arphic-uming imagemagick
    # Reading the built program and drawing its pictures
    python3 python3-pil python3-pefile
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    # wine32 is an i386 package.
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
