#!/usr/bin/env bash
# Builds and runs every test under Wine, headless (Wine's null display driver, no X server).
# Exits non-zero when anything fails.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# Tests always run headless, even when a display is around.
env -u DISPLAY -u WAYLAND_DISPLAY ctest --test-dir "$build" --output-on-failure "$@"
