#!/usr/bin/env bash
# Screenshots of the integrated main program against the simulated instrument (demo results) under a
# virtual X server: the progress window during a read-out, the main window after it with rows of four
# different modes clicked, the Mount menu with its Erase submenu open, the erase question, a row reached
# with the Down key, and the window still open after Escape. QT_SCALE_FACTOR=2 gives the 2x shots.
# Usage: app/tools/screenshots-integrated.sh <build dir> [output folder]
set -euo pipefail
build=${1:?build dir}
out=${2:-/tmp/terrovane-shots}
mkdir -p "$out"
for program in Terrovane terrovane-sim; do
  [[ -x "$build/bin/$program" ]] || { echo "no $build/bin/$program" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" TERROVANE_PORTMAP="$work/portmap" TERROVANE_HANDOFF_DIR="$work" TERROVANE_ARCHIVE="$work/archive.sqlite"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  build=$0 out=$1
  "$build/bin/terrovane-sim" --portmap "$TERROVANE_PORTMAP" >/dev/null & sim=$!
  sleep 1
  "$build/bin/Terrovane" & app=$!
  sleep 2
  win=$(xdotool search --sync --name "^Terrovane$" | head -1)
  xdotool windowactivate --sync "$win" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y of the client area
  # File > Read (&R).
  xdotool key --window "$win" alt+f; sleep 0.5; xdotool key r
  sleep 4
  import -window root "$out/progress-during-read.png"
  sleep 9
  xdotool key Return   # "Read Data OK"
  sleep 1
  import -window root "$out/after-read.png"
  # Rows of the record list, in slots whose demo results have four different modes.
  # Places in the window of the date column and of row 00 (top), and the row height, at the default font.
  list_x=${LIST_X:-489} list_y=${LIST_Y:-111} row_height=${ROW_HEIGHT:-20}
  for slot in ${SHOT_SLOTS:-3 6 14 17 20}; do
    xdotool mousemove $((X + list_x)) $((Y + list_y + slot * row_height + row_height / 2)) click 1
    sleep 0.5
    import -window root "$out/record-slot-$slot.png"
  done
  xdotool key --window "$win" alt+m; sleep 0.5; xdotool key d; sleep 0.7
  import -window root "$out/mount-erase-menu.png"
  # Erase current of the last row clicked: the question names the result; Enter answers Cancel.
  xdotool key c; sleep 1
  import -window root "$out/erase-question.png"
  xdotool key Return; sleep 0.5
  # The arrow keys move the highlighted row, and the display follows it.
  xdotool key Down; sleep 0.5
  import -window root "$out/record-after-down-key.png"
  xdotool key Escape; sleep 0.5   # the main window stays
  import -window root "$out/after-escape.png"
  kill $app $sim
' "$build" "$out"
echo "saved in $out"
