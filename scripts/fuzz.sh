#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for the given number
# of seconds (default 60), starting from its seed corpus in fuzz/corpus/. Installs clang if it
# is missing. Inputs the fuzzer finds go to build-fuzz/corpus/, crashing inputs to
# build-fuzz/findings/; the seeds in the repository are never changed. Not part of CI.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
QUOREX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$QUOREX_ROOT/scripts/common.sh"

seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: scripts/fuzz.sh [seconds]" >&2; exit 2 ;;
esac

QUOREX_PACKAGES="$QUOREX_PACKAGES clang"
quorex_install_missing

build_dir="$QUOREX_ROOT/build-fuzz"
export QUOREX_BUILD_DIR="$build_dir"
export QUOREX_CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
  -DQUOREX_FUZZ=ON -DQUOREX_BUILD_TESTS=OFF -DQUOREX_BUILD_BENCH=OFF"
targets=(registerfile protocol)
quorex_build "${targets[@]/#/quorex-fuzz-}"

# Longer than any answer a console may send, so the length limit is crossed too.
declare -A max_len=([registerfile]=4096 [protocol]=6000)
summary=() failed=0
for name in "${targets[@]}"; do
  corpus="$build_dir/corpus/$name" findings="$build_dir/findings"
  log="$build_dir/fuzz-$name.log"
  mkdir -p "$corpus" "$findings"
  echo "== $name: $seconds s"
  status=0
  "$build_dir/fuzz/quorex-fuzz-$name" -max_total_time="$seconds" -max_len="${max_len[$name]}" \
    -print_final_stats=1 -artifact_prefix="$findings/$name-" \
    "$corpus" "$QUOREX_ROOT/fuzz/corpus/$name" 2>&1 | tee "$log" || status=$?
  done_line="$(grep -m1 'DONE' "$log" || true)"
  runs="$(grep -m1 '^stat::number_of_executed_units:' "$log" | awk '{print $2}' || true)"
  rate="$(grep -m1 '^stat::average_exec_per_sec:' "$log" | awk '{print $2}' || true)"
  if [ "$status" -ne 0 ] || [ -z "$done_line" ]; then
    failed=1
    summary+=("$name: FINDING, see $log and $findings/")
  else
    summary+=("$name: ${runs:-?} runs, ${rate:-?} exec/s, no finding")
  fi
done

echo
printf '%s\n' "${summary[@]}"
exit "$failed"
