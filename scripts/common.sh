# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run; expects QUOREX_ROOT to be set.

# libudev-dev: the port list follows udev's events. desktop-file-utils and appstream: the tests
# validate the desktop entry and the AppStream entry; reuse: they check that every file states
# its copyright and licence.
QUOREX_PACKAGES="g++ cmake make qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev
  libudev-dev desktop-file-utils appstream reuse"

# With package names: those instead of the Linux build's. QUOREX_APT_OPTIONS is passed to
# apt-get install (the Windows build uses --no-install-recommends).
quorex_install_missing() {
  local missing=() pkg packages="${*:-$QUOREX_PACKAGES}"
  if ! command -v dpkg-query >/dev/null 2>&1; then
    if command -v cmake >/dev/null 2>&1 && command -v qmake6 >/dev/null 2>&1; then
      return 0
    fi
    echo "This script installs its tools with apt on Debian or Ubuntu." >&2
    echo "On other systems install a C++17 compiler, CMake 3.22+, Qt 6 (Widgets, SerialPort) yourself." >&2
    exit 1
  fi
  for pkg in $packages; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo
  sudo="$(quorex_sudo "Missing packages (${missing[*]})")"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q ${QUOREX_APT_OPTIONS:-} "${missing[@]}"
}

# Prints what to put before a command that needs root: nothing for root, else sudo; stops the
# script when there is neither. $1 says what needed it.
quorex_sudo() {
  [ "$(id -u)" -eq 0 ] && return 0
  if command -v sudo >/dev/null 2>&1; then
    echo sudo
  else
    echo "$1 and no root rights or sudo to install them." >&2
    exit 1
  fi
}

# The folder of the static Qt kit for Windows: QUOREX_WINDOWS_KIT, else shared/windows beside
# the repository (for a git worktree also beside its main checkout). Fails when there is none.
quorex_windows_kit() {
  local candidates=("${QUOREX_WINDOWS_KIT:-$QUOREX_ROOT/../shared/windows}") common dir
  if [ -z "${QUOREX_WINDOWS_KIT:-}" ] &&
     common="$(git -C "$QUOREX_ROOT" rev-parse --path-format=absolute --git-common-dir 2>/dev/null)"; then
    candidates+=("$(dirname "$common")/../shared/windows")
  fi
  for dir in "${candidates[@]}"; do
    if [ -f "$dir/SHA256SUMS" ]; then
      (cd "$dir" && pwd)
      return 0
    fi
  done
  return 1
}

# Builds the given targets, or everything when none is given. QUOREX_BUILD_DIR (default
# build/) and QUOREX_CMAKE_ARGS (default a RelWithDebInfo build) choose another build.
quorex_build() {
  local build_dir="${QUOREX_BUILD_DIR:-$QUOREX_ROOT/build}" targets=()
  local cmake_args=(${QUOREX_CMAKE_ARGS:--DCMAKE_BUILD_TYPE=RelWithDebInfo})
  [ $# -gt 0 ] && targets=(--target "$@")
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$QUOREX_ROOT" -B "$build_dir" "${cmake_args[@]}"
  fi
  cmake --build "$build_dir" --parallel "$(nproc 2>/dev/null || echo 2)" "${targets[@]}"
}
