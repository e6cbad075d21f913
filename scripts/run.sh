#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, starts a simulated console and the program.
# The program starts with "Port:" on the simulated console (quorex --port PATH).
# Set QUOREX_NO_SIM=1 to start the program alone (a real console on a real port).
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"

quorex_install_missing
quorex_build quorex quorex-sim

sim_pid=""
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true; }
trap cleanup EXIT

if [ "${QUOREX_NO_SIM:-0}" != "1" ] && [ -x "$QUOREX_ROOT/build/tools/sim/quorex-sim" ]; then
  sim_log="$(mktemp)"
  "$QUOREX_ROOT/build/tools/sim/quorex-sim" --wire-time \
    --file "$QUOREX_ROOT/build/simulated-console.rquorex" >"$sim_log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do grep -q '^/dev/' "$sim_log" 2>/dev/null && break; sleep 0.1; done
  port="$(grep -m1 '^/dev/' "$sim_log" || true)"
  if [ -n "$port" ]; then
    echo "Simulated console ready at $port; \"Port:\" starts there."
  else
    echo "The simulated console did not start:"; cat "$sim_log"
  fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found (DISPLAY is not set). Start the program from a desktop session," >&2
  echo "or run it under xvfb-run." >&2
  exit 1
fi
if [ -n "${port:-}" ]; then
  "$QUOREX_ROOT/build/src/quorex" --port "$port" "$@"
else
  "$QUOREX_ROOT/build/src/quorex" "$@"
fi
