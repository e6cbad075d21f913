#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package build-package/quorex_<version>_<arch>.deb (Release, prefix /usr,
# without tests and benchmark). Its dependencies are worked out by dpkg-shlibdeps from the
# Qt libraries of this machine, so build it on the distribution it is meant for.
# Install it with: sudo apt-get install ./build-package/quorex_*.deb
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"

# dpkg-shlibdeps is in dpkg-dev; CPack finds the programs among the files with `file`.
QUOREX_PACKAGES="$QUOREX_PACKAGES dpkg-dev file"
quorex_install_missing

build_dir="$QUOREX_ROOT/build-package"
cmake -S "$QUOREX_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUOREX_BUILD_TESTS=OFF -DQUOREX_BUILD_BENCH=OFF
cmake --build "$build_dir" --parallel "$(nproc 2>/dev/null || echo 2)"
rm -f "$build_dir"/quorex_*.deb
(cd "$build_dir" && cpack -G DEB)
ls -l "$build_dir"/quorex_*.deb
