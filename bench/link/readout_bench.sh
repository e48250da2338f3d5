#!/bin/sh
# Times a full read-out through `terrovane-cli read` against the simulated instrument and sets it beside
# the paced minimum (100 requests x 100 ms + the 100 ms handshake) and the line's floor (7200 bytes at
# 115200 baud, 10 bits a byte). Targets: within 3 % of the paced minimum; peak memory under 30 MB.
# Usage: readout_bench.sh BIN_DIR [RUNS]
set -eu
bin=${1:?usage: readout_bench.sh BIN_DIR [RUNS]}
runs=${2:-3}
work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM

"$bin/terrovane-sim" --portmap "$work/portmap.ini" >"$work/sim.out" 2>"$work/sim.err" &
sim=$!
for _ in $(seq 100); do
    [ -s "$work/sim.out" ] && grep -qF "$(head -n1 "$work/sim.out")" "$work/portmap.ini" 2>/dev/null && break
    sleep 0.05
done
export TERROVANE_PORTMAP="$work/portmap.ini" TERROVANE_ARCHIVE="$work/archive.sqlite"  # keeps the runs out of the own archive

worst_wall=0
worst_rss=0
for run in $(seq "$runs"); do
    /usr/bin/time -f '%e %M' -o "$work/time" "$bin/terrovane-cli" read --out "$work/image" >/dev/null 2>"$work/err" ||
        { echo "run $run failed:"; cat "$work/err"; exit 1; }
    read -r wall rss <"$work/time"
    printf 'run %d: %.2f s, peak %d kB\n' "$run" "$wall" "$rss"
    worst_wall=$(awk -v a="$worst_wall" -v b="$wall" 'BEGIN { print (b > a) ? b : a }')
    worst_rss=$(( rss > worst_rss ? rss : worst_rss ))
done

awk -v wall="$worst_wall" -v rss="$worst_rss" 'BEGIN {
    paced = 10.1; floor = 7200 * 10 / 115200
    over = (wall - paced) / paced * 100
    printf "slowest read-out   %.2f s\n", wall
    printf "paced minimum      %.2f s  (slowest is %+.1f %%; target within 3 %%)\n", paced, over
    printf "line floor         %.3f s\n", floor
    printf "peak memory        %.1f MB (target under 30 MB)\n", rss / 1024
    exit (over <= 3 && rss < 30 * 1024) ? 0 : 1
}'
