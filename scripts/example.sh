#!/usr/bin/env bash
# Installs the build into a temporary prefix (and checks that the CPack ZIP holds the same),
# builds examples/minimal-host against that install as a host developer's own project, and runs
# the host's self-test under Wine, headless: it opens the dialog, edits one value with real keys
# and exits non-zero unless the grid took it.
# Run after scripts/build.sh (scripts/test.sh builds too).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
# The ZIP that CPack makes holds the same layout.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/zip" >/dev/null &&
    cmake -E chdir "$work/zip" cmake -E tar xf "$work"/zip/TarvexPropertyGrid-*-win64.zip)
diff -r "$work/prefix" "$work"/zip/TarvexPropertyGrid-*-win64
# In CI (CI=true) the host's warnings are errors, as the project's are.
flags="-Wall -Wextra"
[ "${CI:-}" = "true" ] && flags="$flags -Werror"
cmake -S "$root/examples/minimal-host" -B "$work/host" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$work/prefix" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$work/host"

prefix=$build/wineprefix-example
"$root/cmake/wine-prefix.sh" "$prefix" null
export WINEPREFIX=$prefix WINEDEBUG=-all
if env -u DISPLAY -u WAYLAND_DISPLAY wine "$work/host/MinimalHost.exe" --self-test; then
    echo "The minimal host built from the installed package passed its self-test."
else
    echo "The minimal host built from the installed package failed its self-test." >&2
    exit 1
fi
