#!/bin/sh
# The fast read-out beside the paced one, through `terrovane-cli read` against the simulated instrument on
# a realistic line (--line-pace: 115200 baud in USB packets; --busy 2:8: the instrument works 2 to 8 ms on
# each request). Times are whole commands, the 100 ms handshake and the program's start included.
# Targets: fast at most 1.5 s, at least 6.5x faster than paced. Then IMAGE_RUNS fast read-outs against an
# instrument that works a random 0 to 85 ms on each request must all give the paced read-out's image.
# Usage: fast_bench.sh BIN_DIR [TIMED_RUNS] [IMAGE_RUNS]
set -eu
bin=${1:?usage: fast_bench.sh BIN_DIR [TIMED_RUNS] [IMAGE_RUNS]}
runs=${2:-5}
image_runs=${3:-200}
work=$(mktemp -d)
sim=
trap '[ -z "$sim" ] || kill "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
mkdir -m 700 "$work/runtime"
export TERROVANE_PORTMAP="$work/portmap.ini" TERROVANE_ARCHIVE="$work/archive.sqlite" \
    XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" HOME="$work" QT_QPA_PLATFORM=offscreen
unset TERROVANE_LINK_PACING  # the instrument's own pacing

start_sim() {
    [ -z "$sim" ] || { kill "$sim"; wait "$sim" 2>/dev/null || true; }
    : >"$work/sim.out"
    "$bin/terrovane-sim" --portmap "$work/portmap.ini" "$@" >"$work/sim.out" 2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 100); do
        [ -s "$work/sim.out" ] && grep -qF "$(head -n1 "$work/sim.out")" "$work/portmap.ini" 2>/dev/null && return
        sleep 0.05
    done
    echo "the simulator did not start"; cat "$work/sim.err"; exit 1
}

# read_out NAME [--fast]: one read-out into $work/NAME.img; its wall time is appended to $work/NAME.times.
# A failed read-out leaves no image and says why.
read_out() {
    name=$1; shift
    rm -f "$work/$name.img"
    /usr/bin/time -f '%e' -a -o "$work/$name.times" \
        "$bin/terrovane-cli" read --no-archive --out "$work/$name.img" "$@" >/dev/null 2>"$work/err" ||
        { echo "$name read-out failed:"; cat "$work/err"; return 1; }
}

start_sim --line-pace --busy 2:8
for run in $(seq "$runs"); do
    read_out paced || exit 1
    read_out fast --fast || exit 1
    cmp -s "$work/paced.img" "$work/fast.img" || { echo "run $run: the images differ"; exit 1; }
done
paste "$work/paced.times" "$work/fast.times" | awk '
    { printf "run %d: paced %.2f s, fast %.2f s\n", NR, $1, $2
      paced += $1; fast += $2; if ($2 > worst) worst = $2 }
    END {
        paced /= NR; fast /= NR; ratio = paced / fast
        printf "paced (mean)       %.2f s\n", paced
        printf "fast (mean)        %.2f s, slowest %.2f s (target at most 1.5 s)\n", fast, worst
        printf "ratio              %.1fx (target at least 6.5x)\n", ratio
        printf "line alone         %.3f s\n", 7200 * 10 / 115200
        exit (worst <= 1.5 && ratio >= 6.5) ? 0 : 1
    }' || status=1

start_sim --line-pace --busy 0:85
cp "$work/paced.img" "$work/reference.img"
same=0
for run in $(seq "$image_runs"); do
    read_out slow --fast || true
    if cmp -s "$work/reference.img" "$work/slow.img"; then same=$((same + 1)); else echo "run $run: the image differs"; fi
done
[ "$image_runs" -eq 0 ] ||
    awk -v runs="$image_runs" '{ t += $0 } END { printf "busy 0..85 ms      %d fast read-outs, mean %.2f s\n", runs, t / NR }' \
        "$work/slow.times"
echo "identical images   $same of $image_runs"
[ "$same" -eq "$image_runs" ] && exit "${status:-0}"
exit 1
