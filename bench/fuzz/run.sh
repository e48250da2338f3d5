#!/usr/bin/env bash
# Long fuzz runs: builds the fuzz programs (as scripts/fuzz.sh does) and runs each for SECONDS (default
# 300), growing its corpus in build-fuzz/corpus-<program> (seeded from fuzz/corpus/<program> on the first
# run, kept between runs). Reports every crash found, with its input in build-fuzz/crashes/<program>/.
# Usage: bench/fuzz/run.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-300}

"$root/scripts/fuzz.sh" 1 >/dev/null  # builds, and checks each program starts on its seeds

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for dir in "$root"/fuzz/corpus/*/; do
  name=$(basename "$dir")
  corpus=$root/build-fuzz/corpus-$name
  crashes=$root/build-fuzz/crashes/$name
  mkdir -p "$corpus" "$crashes"
  [[ -n "$(ls -A "$corpus")" ]] || cp -r "$dir." "$corpus/"
  case $name in
    fuzz_reply | fuzz_handoff) max_len=7300 ;;
    *) max_len=4096 ;;
  esac
  echo "fuzz: $name for ${seconds}s, corpus $corpus"
  if "$root/build-fuzz/fuzz/$name" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$corpus" >"$root/build-fuzz/$name-long.log" 2>&1; then
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units)" "$root/build-fuzz/$name-long.log" | tail -n 2
  else
    failed+=("$name")
    echo "fuzz: $name crashed; input in $crashes/, log build-fuzz/$name-long.log" >&2
    grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$root/build-fuzz/$name-long.log" >&2 || true
  fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzz: crashes in ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no crashes"
