#!/usr/bin/env bash
# Builds and runs the demo host under Wine.
# Without DISPLAY it runs headless (Wine's null display driver), saves PNG pictures of the demo
# (the form, each type's in-place editor, and each open list or dialog it shows off) and prints
# their paths. With DISPLAY set it opens the window on that display.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
prefix=$build/wineprefix-demo
demo=$build/bin/PropertyGridDemo.exe

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

export WINEPREFIX=$prefix WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
    "$root/cmake/wine-prefix.sh" "$prefix" x11
    exec wine "$demo"
fi

"$root/cmake/wine-prefix.sh" "$prefix" null
screenshots=${SCREENSHOT_DIR:-$build/screenshots}
mkdir -p "$screenshots"
rm -f "$screenshots"/*.png
if ! wine "$demo" --screenshots "$(winepath -w "$screenshots")"; then
    echo "The demo did not write all its screenshots." >&2
    exit 1
fi
wineserver -w
echo "Screenshots of the demo:"
ls -1 "$screenshots"/*.png
