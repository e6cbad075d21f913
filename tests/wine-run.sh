#!/bin/bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one Windows test program under Wine for CTest.
#   tests/wine-run.sh WINE PROGRAM [ARGUMENTS...]
# Now and then, on a busy machine, Wine ends a program at its start with a failure and not a
# byte of output (seen twice in some 400 starts, each in well under a second); a test program
# always prints its TAP header first. Such a start is tried once more and said so; a program
# that prints anything, or fails the same way twice, is reported as it is.
set -u
wine="$1"
shift
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
"$wine" "$@" 2>&1 | tee "$out"
rc=${PIPESTATUS[0]}
if [ "$rc" -ne 0 ] && [ ! -s "$out" ]; then
  echo "wine-run.sh: Wine ended $(basename -- "$1") with $rc before any output; started once more." >&2
  "$wine" "$@"
  rc=$?
fi
exit "$rc"
