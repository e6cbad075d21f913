# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run; expects QUOREX_ROOT to be set.

# desktop-file-utils and appstream: the tests validate the desktop entry and the AppStream entry.
QUOREX_PACKAGES="g++ cmake make qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev
  desktop-file-utils appstream"

quorex_install_missing() {
  local missing=() pkg
  if ! command -v dpkg-query >/dev/null 2>&1; then
    if command -v cmake >/dev/null 2>&1 && command -v qmake6 >/dev/null 2>&1; then
      return 0
    fi
    echo "This script installs its tools with apt on Debian or Ubuntu." >&2
    echo "On other systems install a C++17 compiler, CMake 3.22+, Qt 6 (Widgets, SerialPort) yourself." >&2
    exit 1
  fi
  for pkg in $QUOREX_PACKAGES; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "Missing packages (${missing[*]}) and no root rights or sudo to install them." >&2
      exit 1
    fi
  fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
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
