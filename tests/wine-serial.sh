#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# quorex-cli.exe under Wine against the simulated console of the Linux build, through a COM
# port that Wine maps to the console's pseudo-terminal: the whole serial path of the Windows
# program (Qt's serial port on Windows' API, Wine's serial driver) at the real 9600-baud pace.
# A read gives the console's registers byte for byte; a changed file written with --verify
# ends up in the console.
#   tests/wine-serial.sh QUOREX_SIM QUOREX_CLI_EXE WINEPREFIX
set -euo pipefail
sim="$1" cli="$2"
export WINEPREFIX="$(cd "$3" && pwd)" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
work="$(mktemp -d)"
port=COM20
"$sim" --wire-time --file "$work/console.rquorex" >"$work/sim.out" 2>&1 &
sim_pid=$!
# wineserver first: the pseudo-terminal is its controlling terminal, and the hang-up when the
# console ends would make it print its object table.
trap 'wineserver -k 2>/dev/null; kill "$sim_pid" 2>/dev/null; rm -f "$WINEPREFIX/dosdevices/com20"
      rm -rf "$work"' EXIT
for _ in $(seq 50); do
  grep -q '^/dev/' "$work/sim.out" && break
  sleep 0.1
done
device="$(grep -m1 '^/dev/' "$work/sim.out")"
ln -sfn "$device" "$WINEPREFIX/dosdevices/com20"

cli() { timeout 120 wine "$cli" "$@"; }
cli read --port "$port" -o "$work/read.rquorex"
cmp "$work/console.rquorex" "$work/read.rquorex"

sed '11s/.*/12345678\r/' "$work/read.rquorex" >"$work/changed.rquorex"
cli write --port "$port" --verify "$work/changed.rquorex"
cmp "$work/changed.rquorex" "$work/console.rquorex"
echo "Serial path under Wine: read and checked write through $port ($device)."
