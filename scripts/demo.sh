#!/usr/bin/env bash
# Builds and runs the demo host under Wine.
# Without DISPLAY it runs headless (Wine's null display driver), saves a PNG of the demo
# window and prints its path. With DISPLAY set it opens the window on that display.
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
screenshot=$build/demo-screenshot.png
rm -f "$screenshot"
wine "$demo" --screenshot "$(winepath -w "$screenshot")"
wineserver -w
if [ ! -s "$screenshot" ]; then
    echo "The demo did not write its screenshot." >&2
    exit 1
fi
echo "Screenshot of the demo window: $screenshot"
