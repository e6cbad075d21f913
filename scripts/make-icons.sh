#!/usr/bin/env bash
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
echo "Icons written under resources/icons/hicolor and resources/quorex.png."
