#!/usr/bin/env bash
# Configures and builds everything for 64-bit Windows into build/ (or $BUILD_DIR).
# Extra arguments go to the CMake configure step. In CI (CI=true) warnings are errors.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DWARNINGS_AS_ERRORS=$werror "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
