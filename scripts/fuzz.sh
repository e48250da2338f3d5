#!/usr/bin/env bash
# Builds the libFuzzer programs of fuzz/ with clang in build-fuzz and runs each over a copy of its seed
# corpus (fuzz/corpus/<program>/) for a fixed number of runs. Usage: fuzz.sh [runs]   (default 100000)
# Exits non-zero when any program finds a crash, naming it; the crashing input is kept in build-fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-100000}

build_fuzzers() {
  CC=clang CXX=clang++ BUILD_TARGETS=fuzzers "$root/scripts/build.sh" "$root/build-fuzz" \
    -DTERROVANE_FUZZ=ON -DTERROVANE_BENCH=OFF -DTERROVANE_WERROR=ON -DTERROVANE_LINE_TABLES=ON \
    -DTERROVANE_UNITY=ON
}

# The longest input worth trying for each program: a read-out reply is 7200 bytes after the command byte,
# set.inf 768 bytes, data.inf 7200.
max_len_of() {
  case $1 in
    fuzz_reply | fuzz_handoff) echo 7300 ;;
    *) echo 4096 ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Runs one program over a scratch copy of its corpus; the checked-in corpus stays as it is.
run_fuzzer() {
  local name=$1 scratch
  scratch=$(mktemp -d)
  cp -r "$root/fuzz/corpus/$name/." "$scratch/"
  mkdir -p "$root/build-fuzz/crashes/$name"
  local status=0
  "$root/build-fuzz/fuzz/$name" -runs="$runs" -max_len="$(max_len_of "$name")" -print_final_stats=0 \
    -artifact_prefix="$root/build-fuzz/crashes/$name/" "$scratch" >"$root/build-fuzz/$name.log" 2>&1 || status=$?
  rm -rf "$scratch"
  return $status
}

build_fuzzers
failed=()
for dir in "$root"/fuzz/corpus/*/; do
  name=$(basename "$dir")
  echo "fuzz: $name ($runs runs)"
  if ! run_fuzzer "$name"; then
    failed+=("$name")
    echo "fuzz: $name crashed; see build-fuzz/$name.log and build-fuzz/crashes/$name/" >&2
    tail -n 30 "$root/build-fuzz/$name.log" >&2
  fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzz: crashes in ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no crashes"
