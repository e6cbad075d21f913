#!/bin/sh
# Makes the Wine prefix the Windows tests run in (WINEPREFIX) ready for Qt's offscreen platform.
# Wine hands no QT_* variable from Linux to a Windows program, so the platform and its fonts
# (the host's DejaVu; the kit brings none) go into the prefix's own environment, where the
# tests and every program they start find them.
#   tests/wine-prefix.sh WINE
set -e
wine="$1"
"$(dirname "$wine")/wineboot" -i
"$wine" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d offscreen /f >/dev/null
"$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
  /d 'Z:\usr\share\fonts\truetype\dejavu' /f >/dev/null
