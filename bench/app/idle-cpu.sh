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

start() {  # starts a program in the background with the given environment; prints its pid
  env "$@" >/dev/null 2>&1 &
  echo $!
}

cat > "$work/portmap" <<'MAP'
[HARDWARE\DEVICEMAP\SERIALCOMM\]
\Device\Silabser0=COM3
[Ports]
COM3=/dev/null
MAP
# All three run at once, so that they share the machine's load over the same seconds.
labels=("port map from file:" "port map from live system:")
pids=("$(start TERROVANE_PORTMAP="$work/portmap" "$program")" "$(start -u TERROVANE_PORTMAP "$program")")
if [[ -x "$reference" ]]; then
  labels+=("bare Qt, 5 ms timer:")
  pids+=("$(start "$reference")")
fi
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
sleep 2
for i in "${!pids[@]}"; do
  kill -0 "${pids[$i]}" 2>/dev/null || { echo "${labels[$i]} the program ended at start" >&2; exit 1; }
done
before=()
for pid in "${pids[@]}"; do before+=("$(cpu_ns "$pid")"); done
sleep "$seconds"
used=()
for i in "${!pids[@]}"; do used+=($(($(cpu_ns "${pids[$i]}") - before[i]))); done
for i in "${!pids[@]}"; do
  awk -v t="${used[$i]}" -v s="$seconds" -v l="${labels[$i]}" -v r="${used[2]:-0}" \
    'BEGIN { printf "%-28s %5.2f %% of one core (%.1f ms in %d s)", l, 100 * t / 1e9 / s, t / 1e6, s
             if (r > 0) printf "  %.2fx the bare program", t / r
             printf "\n" }'
done
