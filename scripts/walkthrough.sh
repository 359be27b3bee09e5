#!/usr/bin/env bash
# Walks through one installation under Wine, as a person would, and keeps a PNG of every page and message
# box. Runs inside Wine's virtual desktop, which draws the window frames a user sees.
#
# Usage: walkthrough.sh parallel|usb FOLDER
# Expects the Windows build, scripts/wine-env.sh sourced, the prefix prepared and DISPLAY set.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="$1"
folder="$(mkdir -p "$2" && cd "$2" && pwd)"
rm -f "$folder"/*.bmp "$folder"/*.png

log="$folder/walkthrough.log"
wine explorer /desktop=setup,1024x768 "$root/build/windows/tests/windows/walkthrough.exe" "$mode" \
    "$(winepath -w "$folder")" 2>/dev/null | tee "$log"
for picture in "$folder"/*.bmp; do
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
grep -q "^Walkthrough complete." "$log" || { echo "The walkthrough did not complete." >&2; exit 1; }
