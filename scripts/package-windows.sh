#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Packs the Windows build (scripts/build-windows.sh) into build-windows/package/:
#   quorex-<version>-windows-x86_64.zip          both programs, LIESMICH.txt, the licences
#   quorex-<version>-windows-x86_64-relink.zip   the program's objects and link commands, so
#                                                 it can be linked with another Qt (LGPLv3)
#   QuorexSetup-<version>.exe                    the installer (NSIS)
# then relinks both programs from the relink package and tries the installer silently under
# Wine (tests/WindowsInstaller.cmake).
#   scripts/package-windows.sh [--no-try]        --no-try: build the packages only
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"
build_dir="${QUOREX_WINDOWS_BUILD_DIR:-$QUOREX_ROOT/build-windows}"
try=1
[ "${1:-}" = "--no-try" ] && try=0

"$QUOREX_ROOT/scripts/build-windows.sh" quorex quorex-cli
kit="$(quorex_windows_kit)"
qt="$build_dir/kit/qt6-mingw"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build_dir/CMakeCache.txt")"
release_date="$(sed -n 's/^set(QUOREX_RELEASE_DATE "\(.*\)")$/\1/p' "$QUOREX_ROOT/CMakeLists.txt")"
name="quorex-$version-windows-x86_64"
out="$build_dir/package"
stage="$out/$name"
relink="$out/$name-relink"
rm -rf "$out"
mkdir -p "$stage/Lizenzen" "$relink"

# Texts for Windows: the version filled in, CR LF and a UTF-8 byte order mark, so that every
# Notepad shows the umlauts.
windows_text() {
  printf '\xef\xbb\xbf' >"$2"
  sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$1" >>"$2"
}

x86_64-w64-mingw32-strip -o "$stage/quorex.exe" "$build_dir/src/quorex.exe"
x86_64-w64-mingw32-strip -o "$stage/quorex-cli.exe" "$build_dir/src/cli/quorex-cli.exe"
windows_text "$QUOREX_ROOT/resources/windows/LIESMICH.txt" "$stage/LIESMICH.txt"
# The program's licence notice and, after it, the whole text of the GPL it names.
cat "$QUOREX_ROOT/resources/windows/LIZENZ.txt" "$QUOREX_ROOT/LICENSES/GPL-3.0-or-later.txt" \
  >"$out/LIZENZ.txt"
windows_text "$out/LIZENZ.txt" "$stage/LIZENZ.txt"
# Qt's licence texts as Qt ships them, and the copyright of every part of Debian's qtbase
# sources the kit was built from (the third-party libraries inside qtbase included).
tar -xJf "$kit/qtserialport-6.4.2-src.tar.xz" -C "$out" \
  qtserialport-6.4.2/LICENSES/LGPL-3.0-only.txt qtserialport-6.4.2/LICENSES/GPL-3.0-only.txt
for licence in LGPL-3.0-only GPL-3.0-only; do
  windows_text "$out/qtserialport-6.4.2/LICENSES/$licence.txt" "$stage/Lizenzen/$licence.txt"
done
windows_text /usr/share/doc/libqt6core6/copyright "$stage/Lizenzen/Qt-qtbase-copyright.txt"

# The relink package: every object and library of ours that the link commands name, under the
# same relative path, with the commands themselves; Qt's parts stand as $QT.
cp -r "$stage/LIZENZ.txt" "$stage/Lizenzen" "$relink/"
cp "$kit/qtserialport-6.4.2-src.tar.xz" "$kit/build-qt-mingw.sh" "$relink/"
windows_text "$QUOREX_ROOT/resources/windows/NEU-BINDEN.txt" "$relink/NEU-BINDEN.txt"
{
  echo '#!/bin/sh'
  echo '# Links quorex.exe and quorex-cli.exe again: QT is the folder of a static Qt 6.4 for'
  echo '# x86_64-w64-mingw32, CXX its compiler. Run from this folder; see NEU-BINDEN.txt.'
  echo 'set -e'
  echo ': "${QT:?QT must name the Qt folder}"'
  echo 'CXX="${CXX:-x86_64-w64-mingw32-g++-posix}"'
  echo 'mkdir -p src/cli'
} >"$relink/relink.sh"
for target in quorex quorex-cli; do
  command="$(ninja -C "$build_dir" -t commands "$target" | tail -n 1)"
  command="${command#: && }"
  command="${command% && :}"
  read -r -a words <<<"$command"
  line='"$CXX"'
  for word in "${words[@]:1}"; do
    case "$word" in
      kit/qt6-mingw/*) line+=" \"\$QT/${word#kit/qt6-mingw/}\"" ;;
      -Wl,--out-implib,*) ;;  # an import library of an .exe: nothing uses it
      *.obj|*.a|*.res)
        if [ -f "$build_dir/$word" ]; then
          mkdir -p "$relink/$(dirname "$word")"
          cp "$build_dir/$word" "$relink/$word"
        fi
        line+=" $word" ;;
      *) line+=" $word" ;;
    esac
  done
  echo "$line" >>"$relink/relink.sh"
done
chmod +x "$relink/relink.sh"

zip_folder() {
  (cd "$out" && cmake -E tar cf "$1.zip" --format=zip --mtime="$release_date 12:00:00 UTC" "$1")
}
zip_folder "$name"
zip_folder "$name-relink"

makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DSTAGE="$stage" -DICON="$QUOREX_ROOT/resources/windows/quorex.ico" \
  -DOUTFILE="$out/QuorexSetup-$version.exe" "$QUOREX_ROOT/resources/windows/quorex.nsi"

if [ "$try" -eq 1 ]; then
  trap 'WINEPREFIX="$build_dir/wineprefix-installer" wineserver -k 2>/dev/null || true' EXIT
  # The relink package must really link: both programs from it, against the kit's Qt.
  scratch="$out/relink-try"
  cp -r "$relink" "$scratch"
  (cd "$scratch" && QT="$qt" ./relink.sh)
  for exe in src/quorex.exe src/cli/quorex-cli.exe; do
    [ -s "$scratch/$exe" ] || { echo "The relink package did not link $exe." >&2; exit 1; }
  done
  rm -rf "$scratch"
  cmake -DPACKAGE="$out" -DVERSION="$version" -P "$QUOREX_ROOT/tests/WindowsPackage.cmake"
  cmake -DSETUP="$out/QuorexSetup-$version.exe" -DVERSION="$version" \
    -DPREFIX="$build_dir/wineprefix-installer" -P "$QUOREX_ROOT/tests/WindowsInstaller.cmake"
  echo "Installer tried under Wine: installed, registered, uninstalled."
fi
rm -rf "$out/qtserialport-6.4.2"
ls -l "$out"/*.zip "$out"/*.exe
