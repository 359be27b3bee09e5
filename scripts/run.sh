#!/usr/bin/env bash
# Builds Setup.exe with its sample driver package and starts it under Wine in the Chinese locale.
#
# With a display (DISPLAY set), the wizard opens there for you to use. Without one, an unattended walk
# through a parallel-port installation runs on a private Xvfb: a screenshot of every page and message
# box goes to the folder it names, and the spooler's record of the new printer is printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-packages.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j"$(nproc)"

user_display="${DISPLAY:-}"
source scripts/wine-env.sh
dist="$root/build/windows/dist"

if [ -n "$user_display" ]; then
    export DISPLAY="$user_display"
    prepare_wine_prefix
    echo "Starting $dist/Setup.exe"
    cd "$dist"
    exec wine Setup.exe
fi

shots="${SCREENSHOTS:-$root/shots/parallel}"
rm -rf "$shots"
mkdir -p "$shots"
start_private_display
trap stop_private_display EXIT
prepare_wine_prefix
echo "No display: an unattended parallel-port installation on Xvfb $DISPLAY; screenshots go to $shots"
bash scripts/walkthrough.sh parallel "$shots"
