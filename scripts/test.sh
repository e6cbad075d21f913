#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (CI runs exactly this).
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"

quorex_install_missing
quorex_build
cd "$QUOREX_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 "$@"
