#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

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
# Whatever happens, no wineserver of this prefix outlives the run.
trap 'WINEPREFIX="$build_dir/wineprefix" wineserver -k 2>/dev/null || true' EXIT
ctest --output-on-failure --timeout 300 "$@"

# The serial path itself, against the Linux build's simulated console (CI builds it first).
sim="$QUOREX_ROOT/build/tools/sim/quorex-sim"
if [ -x "$sim" ]; then
  "$QUOREX_ROOT/tests/wine-serial.sh" "$sim" "$build_dir/src/cli/quorex-cli.exe" "$build_dir/wineprefix"
else
  echo "No $sim (scripts/test.sh builds it): the serial path under Wine is not tried."
fi
