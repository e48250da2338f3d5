#!/usr/bin/env bash
# Runs one build folder's whole suite several times while stress-ng keeps every core busy: a test that
# waits for a condition passes however slow the machine is, one that assumes a time does not.
# Usage: stress.sh BUILD_DIR [RUNS] [extra ctest arguments...]   (RUNS defaults to 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
[[ $dir == /* ]] || dir=$root/$dir
runs=${2:-3}
shift $(($# > 1 ? 2 : 1))
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

stress-ng --cpu "$(nproc)" --timeout 0 --quiet &
load=$!
trap 'kill "$load" 2>/dev/null || true' EXIT

failed=0
for run in $(seq 1 "$runs"); do
  echo "stress: run $run of $runs"
  if ! ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 300 "$@"; then
    failed=$((failed + 1))
  fi
done
echo "stress: $failed of $runs runs failed"
[[ $failed -eq 0 ]]
