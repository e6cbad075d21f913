#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs every test (CI runs exactly this).
#   scripts/test.sh [ctest options]              build/, the normal build
#   scripts/test.sh --sanitize [ctest options]   build-asan/: AddressSanitizer and
#       UndefinedBehaviorSanitizer (Debug); the first fault, leak or undefined behaviour fails
#       the test it happens in.
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"

build_dir="$QUOREX_ROOT/build"
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build_dir="$QUOREX_ROOT/build-asan"
  export QUOREX_BUILD_DIR="$build_dir"
  export QUOREX_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=Debug -DQUOREX_SANITIZE=ON -DQUOREX_BUILD_BENCH=OFF"
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
fi

quorex_install_missing
quorex_build
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 "$@"
