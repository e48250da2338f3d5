#!/usr/bin/env bash
# Screenshots of the main window (after a read-out, and with the File menu open), the progress window and
# the archive window at 1x, 1.5x and 2x (QT_SCALE_FACTOR) under a virtual X server, each on a screen of
# 1280 logical pixels' width (1280x1024, 1920x1080, 2560x1440). The progress window starts from a position
# remembered near the corner of a 1x screen, as a user coming from a smaller scale would have it.
# Usage: app/tools/screenshots-scales.sh <build dir> [output folder]
set -euo pipefail
build=${1:?build dir}
out=${2:-/tmp/terrovane-scales}
mkdir -p "$out"
for program in Terrovane terrovane-sim; do
  [[ -x "$build/bin/$program" ]] || { echo "no $build/bin/$program" >&2; exit 1; }
done

shoot() {
  local scale=$1 screen=$2
  local work
  work=$(mktemp -d)
  mkdir -p "$work/config/应用程序向导生成的本地应用程序"
  printf '[Settings]\nX=1100\nY=900\n' >"$work/config/应用程序向导生成的本地应用程序/Terrovane.conf"
  XDG_CONFIG_HOME="$work/config" TERROVANE_PORTMAP="$work/portmap" TERROVANE_HANDOFF_DIR="$work/handoff" \
  TERROVANE_ARCHIVE="$work/archive.sqlite" QT_SCALE_FACTOR=$scale \
  xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
    set -e
    build=$0 out=$1 tag=$2
    "$build/bin/terrovane-sim" --portmap "$TERROVANE_PORTMAP" >/dev/null & sim=$!
    sleep 1
    "$build/bin/Terrovane" & app=$!
    win=$(xdotool search --sync --name "^Terrovane$" | head -1)
    sleep 1
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    xdotool key --window "$win" ctrl+r
    sleep 3
    import -window root "$out/progress-$tag.png"
    sleep 10
    xdotool key Return   # "Read Data OK"
    sleep 1
    import -window root "$out/main-$tag.png"
    xdotool key --window "$win" alt+f; sleep 0.7
    import -window root "$out/menu-$tag.png"
    xdotool key Escape; sleep 0.3
    xdotool key --window "$win" ctrl+h; sleep 2
    import -window root "$out/archive-$tag.png"
    kill $app $sim
  ' "$build" "$out" "${scale}x"
  rm -rf "$work"
}

shoot 1 1280x1024
shoot 1.5 1920x1080
shoot 2 2560x1440
echo "saved in $out"
