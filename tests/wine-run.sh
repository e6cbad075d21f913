#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one Windows test program under Wine for CTest.
#   tests/wine-run.sh WINE PROGRAM [ARGUMENTS...]
# Now and then, on a busy machine, Wine ends a program at its start with a failure and not a
# byte of output (seen twice in some 400 starts, each in well under a second); a test program
# always prints its TAP header first. Such a start is tried once more and said so; a program
# that prints anything, fails the same way twice or runs for a while is reported as it is.
# The program gets less time than CTest gives the test, so that it is this script that stops a
# program that hangs: CTest's kill would reach only the script, and Wine would hold the output.
set -u
wine="$1"
shift
limit="${QUOREX_WINE_RUN_LIMIT:-285}"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
run() {
  timeout --kill-after=10 "$limit" "$wine" "$@" 2>&1 | tee "$out"
  return "${PIPESTATUS[0]}"
}
started=$SECONDS
run "$@"
rc=$?
if [ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] && [ "$rc" -ne 137 ] && [ ! -s "$out" ] &&
  [ $((SECONDS - started)) -lt 10 ]; then
  echo "wine-run.sh: Wine ended $(basename -- "$1") with $rc before any output; started once more." >&2
  run "$@"
  rc=$?
fi
exit "$rc"
