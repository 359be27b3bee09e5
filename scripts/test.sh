#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the native and the Windows build, runs the native
# tests under the sanitizers, then the Windows tests under Wine on a private X display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-packages.sh

jobs="$(nproc)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
cmake --build build/native -j"$jobs"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build build/windows -j"$jobs"

ctest --test-dir build/native --output-on-failure -j"$jobs"

# The Windows tests never use the user's screen: windows and message boxes open on a private Xvfb.
source scripts/wine-env.sh
unset DISPLAY
start_private_display
trap stop_private_display EXIT
prepare_wine_prefix
ctest --test-dir build/windows --output-on-failure
