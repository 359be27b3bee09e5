#!/usr/bin/env bash
# For review: walks through a parallel-port and a USB installation under Xvfb and keeps a PNG of every
# page and message box of each, in shots/parallel and shots/usb (or under the folder given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
shots="$(mkdir -p "${1:-$root/shots}" && cd "${1:-$root/shots}" && pwd)"

bash scripts/install-packages.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j"$(nproc)"

source scripts/wine-env.sh
unset DISPLAY
start_private_display
trap stop_private_display EXIT
prepare_wine_prefix
for mode in parallel usb; do
    bash scripts/walkthrough.sh "$mode" "$shots/$mode"
done
echo "Screenshots: $shots/parallel and $shots/usb"
