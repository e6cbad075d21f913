#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the PNG icons from the one drawing, resources/icons/quorex.svg. The PNGs are kept in
# the repository so that a build needs no SVG renderer; run this after changing the drawing and
# commit what it wrote. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
svg="$QUOREX_ROOT/resources/icons/quorex.svg"

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "rsvg-convert is missing (Debian: apt-get install librsvg2-bin)." >&2
  exit 1
fi

for size in 16 22 24 32 48 64 128 256; do
  dir="$QUOREX_ROOT/resources/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert --width "$size" --height "$size" --background-color none "$svg" -o "$dir/quorex.png"
done
# The window and about box icon, compiled into the program.
cp "$QUOREX_ROOT/resources/icons/hicolor/64x64/apps/quorex.png" "$QUOREX_ROOT/resources/quorex.png"

# The Windows icon (program, installer, register files): the PNGs as they are in one .ico,
# which Windows Vista and later read. Numbers in the header are little-endian.
byte() { printf "\\$(printf %03o "$1")"; }
le16() { byte $(($1 & 255)); byte $(($1 >> 8 & 255)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
sizes=(16 24 32 48 64 128 256)
png() { echo "$QUOREX_ROOT/resources/icons/hicolor/$1x$1/apps/quorex.png"; }
{
  le16 0; le16 1; le16 ${#sizes[@]}
  offset=$((6 + 16 * ${#sizes[@]}))
  for size in "${sizes[@]}"; do
    bytes=$(stat -c %s "$(png "$size")")
    # 256 is written as 0; no palette; one plane of 32 bits.
    byte $((size & 255)); byte $((size & 255)); byte 0; byte 0; le16 1; le16 32
    le32 "$bytes"; le32 "$offset"
    offset=$((offset + bytes))
  done
  for size in "${sizes[@]}"; do cat "$(png "$size")"; done
} >"$QUOREX_ROOT/resources/windows/quorex.ico"
echo "Icons written under resources/icons/hicolor, resources/quorex.png and resources/windows/quorex.ico."
