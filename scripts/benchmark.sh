#!/usr/bin/env bash
# Measures Setup.exe under Wine on a private Xvfb, in one run on this machine, and prints a table:
# - start-up: from just before CreateProcess to the first paint of the dialog (visible, and it and its
#   children without an update region, looked at about every millisecond), for Setup.exe and for
#   BareDialog.exe, a modal dialog from a template linked the same way (run-times static, -mwindows,
#   stripped); one warm-up of each, then RUNS starts of each, interleaved; medians and their ratio;
# - a parallel-port installation, driven as the end-to-end tests drive it from a clean system: the time
#   from the click that starts the copy to the painted copy-done page, and from the click that starts
#   the registration to the painted installed page, less the copy step's fixed pauses (8 x 100 ms and
#   1000 ms);
# - the peak working set of both programs, and Setup.exe's live GDI objects (read from Wine's GDI handle
#   table, as the end-to-end tests count them) at the first page, at the installed page and after 200
#   scrolls and repaints of the information box;
# - the size of Setup.exe, and of the same program built without its bitmaps.
# Both programs start in a working folder with the driver package, their windows managed by Wine
# ("X11 Driver/Managed=N" for both, as the end-to-end tests set it for Setup.exe), not in a virtual
# desktop. The benchmark has a Wine prefix of its own, so that a test run elsewhere neither disturbs it
# nor is disturbed by it; it leaves no installation behind. The start-up figures move by 10 to 20 %
# from one run of this script to the next: run it on an otherwise idle machine, and more than once (or
# with more RUNS) before drawing conclusions from the ratio.
#
# Usage: benchmark.sh [RUNS]   (7 when not given)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-packages.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j"$(nproc)" --target benchmark

export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix-benchmark}"
source scripts/wine-env.sh
unset DISPLAY
start_private_display
trap stop_private_display EXIT
prepare_wine_prefix
wine build/windows/bench/benchmark.exe "$@"
