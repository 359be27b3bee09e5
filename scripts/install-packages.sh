#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the run command need, where missing.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev libgmock-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    clang-format clang-tidy
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_if_needed apt-get update -qq
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
