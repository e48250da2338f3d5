#!/usr/bin/env bash
# Measures the CPU the idle main program uses over 10 s (after 2 s of start-up) while its port watch
# ticks: once with TERROVANE_PORTMAP naming a port-map file, once with the live system as source.
# Usage: bench/app/idle-cpu.sh <build dir> [seconds]
set -euo pipefail
build=${1:?build dir}
seconds=${2:-10}
program="$build/bin/Terrovane"
[[ -x "$program" ]] || { echo "no $program" >&2; exit 1; }
ticks_per_second=$(getconf CLK_TCK)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cpu_ticks() {  # utime + stime of a process, in clock ticks
  local stat
  stat=$(cat "/proc/$1/stat")
  stat=${stat##*) }  # drop "pid (comm) ", the name may hold spaces
  set -- $stat
  echo $((${12} + ${13}))
}

measure() {
  local label=$1 pid before after
  "$program" >/dev/null 2>&1 &
  pid=$!
  sleep 2
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" -v l="$label" \
    'BEGIN { printf "%-28s %5.2f %% of one core (%d ticks in %d s)\n", l, 100 * t / hz / s, t, s }'
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
