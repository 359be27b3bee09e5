#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the native and the Windows build, runs the native
# tests under the sanitizers.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-packages.sh

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug
cmake --build build/native -j"$(nproc)"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build build/windows -j"$(nproc)"

ctest --test-dir build/native --output-on-failure -j"$(nproc)"
