#!/usr/bin/env bash
# Builds for Windows (scripts/build-windows.sh) and runs every test built there under Wine,
# without a display, in build-windows/'s own Wine prefix.
#   scripts/test-windows.sh [ctest options]
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${QUOREX_WINDOWS_BUILD_DIR:-$QUOREX_ROOT/build-windows}"

"$QUOREX_ROOT/scripts/build-windows.sh"
cd "$build_dir"
# Each test brings its own Wine setting (prefix, no display, no debug output); these keep Wine
# quiet for anything else ctest starts.
export WINEDEBUG=-all QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
ctest --output-on-failure --timeout 300 "$@"
