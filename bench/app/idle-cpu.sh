#!/usr/bin/env bash
# Measures the CPU the idle main program uses over 10 s (after 2 s of start-up) while its port watch
# waits for news: once with TERROVANE_PORTMAP naming a port-map file whose port is there (the instrument
# attached), once with the live system as source; and, side by side, the reference: a bare Qt program
# running a 5 ms timer, which is what the watch costs when it looks on every tick.
# Usage: bench/app/idle-cpu.sh <build dir> [seconds]
set -euo pipefail
build=${1:?build dir}
seconds=${2:-10}
program="$build/bin/Terrovane"
reference="$build/bin/bench_bare_timer"
[[ -x "$program" ]] || { echo "no $program" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cpu_ns() {  # nanoseconds on a CPU, summed over the process's threads (finer than clock ticks)
  local total=0 run rest file
  for file in /proc/"$1"/task/*/schedstat; do
    read -r run rest < "$file" || continue
    total=$((total + run))
  done
  echo "$total"
}

measure() {
  local label=$1 pid before after
  "${run:-$program}" >/dev/null 2>&1 &
  pid=$!
  sleep 2
  before=$(cpu_ns "$pid")
  sleep "$seconds"
  after=$(cpu_ns "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v t=$((after - before)) -v s="$seconds" -v l="$label" \
    'BEGIN { printf "%-28s %5.2f %% of one core (%.1f ms in %d s)\n", l, 100 * t / 1e9 / s, t / 1e6, s }'
}

cat > "$work/portmap" <<'MAP'
[HARDWARE\DEVICEMAP\SERIALCOMM\]
\Device\Silabser0=COM3
[Ports]
COM3=/dev/null
MAP
TERROVANE_PORTMAP="$work/portmap" measure "port map from file:"
unset TERROVANE_PORTMAP
measure "port map from live system:"
if [[ -x "$reference" ]]; then
  run=$reference measure "bare Qt, 5 ms timer:"
fi
