#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Wine prefix the Windows tests run in (WINEPREFIX) ready for Qt's offscreen platform.
# Wine hands no QT_* variable from Linux to a Windows program, so the platform and its fonts
# (the host's DejaVu; the kit brings none) go into the prefix's own environment, where the
# tests and every program they start find them.
#   tests/wine-prefix.sh WINE
# The prefix's wineserver and Wine's own services are started here, away from CTest's pipes,
# and stay until wine_stop ends them: started by a test, they would hold that test's output
# open, and the test would seem to run until the last one ends.
set -e
wine="$1"
"$(dirname "$wine")/wineserver" -p </dev/null >/dev/null 2>&1 &
"$(dirname "$wine")/wineboot" -i </dev/null >/dev/null 2>&1
"$wine" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d offscreen /f \
  </dev/null >/dev/null 2>&1
"$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
  /d 'Z:\usr\share\fonts\truetype\dejavu' /f </dev/null >/dev/null 2>&1
