#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds quorex.exe, quorex-cli.exe and the tests that run on Windows into build-windows/, on
# Linux, against the static Qt kit for Windows (MinGW-w64); the tests run under Wine
# (scripts/test-windows.sh). Installs what is missing, checks the kit's checksums and unpacks it
# once into build-windows/kit/.
#   scripts/build-windows.sh [targets]    everything, or the named targets
# QUOREX_WINDOWS_KIT: the kit's folder (default: shared/windows beside the repository).
# QUOREX_JOBS: parallel compile jobs (default 2).
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"

build_dir="${QUOREX_WINDOWS_BUILD_DIR:-$QUOREX_ROOT/build-windows}"
if ! kit="$(quorex_windows_kit)"; then
  echo "No Qt kit for Windows: set QUOREX_WINDOWS_KIT to the folder holding SHA256SUMS." >&2
  exit 1
fi

# Recommends would bring fonts, sound and printing for Wine, which the tests do not use.
QUOREX_APT_OPTIONS=--no-install-recommends quorex_install_missing \
  g++-mingw-w64-x86-64-posix wine wine64 nsis ninja-build cmake xz-utils \
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-dejavu-core

# Qt was built with posix threads (std::thread, std::mutex); the win32 flavour of the compiler
# would not link against it.
for tool in gcc g++; do
  link=/usr/bin/x86_64-w64-mingw32-$tool
  if [ -x "$link-posix" ] && [ "$(readlink -f "$link")" != "$link-posix" ]; then
    sudo="$(quorex_sudo "The posix MinGW compilers are not selected")"
    $sudo update-alternatives --set "x86_64-w64-mingw32-$tool" "$link-posix"
  fi
done

# The archive is checked on every run (a second); unpacked again only when it changed.
archive="$(awk '$2 ~ /^qt6-mingw-.*\.tar\.xz$/ { print $2; exit }' "$kit/SHA256SUMS")"
if [ -z "$archive" ]; then
  echo "$kit/SHA256SUMS names no qt6-mingw archive." >&2
  exit 1
fi
if ! (cd "$kit" && grep -F "  $archive" SHA256SUMS | sha256sum --check --quiet --strict); then
  echo "$kit/$archive does not match its SHA-256 in SHA256SUMS." >&2
  exit 1
fi
qt="$build_dir/kit/qt6-mingw"
stamp="$build_dir/kit/unpacked.sha256"
wanted="$(grep -F "  $archive" "$kit/SHA256SUMS")"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$wanted" ] || [ ! -d "$qt" ]; then
  echo "Unpacking $archive into $build_dir/kit"
  rm -rf "$build_dir/kit"
  mkdir -p "$build_dir/kit"
  tar -C "$build_dir/kit" -xJf "$kit/$archive"
  echo "$wanted" >"$stamp"
fi

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -G Ninja -S "$QUOREX_ROOT" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$qt/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release \
    -DQUOREX_BUILD_BENCH=OFF \
    -DQUOREX_WINDOWS_KIT="$kit"
fi
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build_dir" --parallel "${QUOREX_JOBS:-2}" "${targets[@]}"
