#!/usr/bin/env bash
# Runs Terrovane under a virtual X server and saves a screenshot of the screen.
# Usage: app/tools/screenshot-main.sh <build dir> [output.png] [about]
#   With "about" as third argument, the about box is opened (right-click menu of the menu bar) first.
set -euo pipefail
build=${1:?build dir}
out=${2:-/tmp/terrovane-main.png}
mode=${3:-main}
program="$build/bin/Terrovane"
[[ -x "$program" ]] || { echo "no $program" >&2; exit 1; }

export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  "$0" & pid=$!
  sleep 2
  if [[ "$2" == about ]]; then
    # Help (&H) opens the about box.
    xdotool key alt+h 2>/dev/null || true
    sleep 1
  fi
  import -window root "$1"
  kill $pid
' "$program" "$out" "$mode"
echo "saved $out"

# The secondary windows, drawn offscreen by their own renderer, next to the main screenshot.
shots="$build/bin/terrovane-dialog-shots"
if [[ -x "$shots" ]]; then
  QT_QPA_PLATFORM=offscreen "$shots" "$(dirname "$out")" && echo "saved about.png clock.png progress.png diagnosis.png in $(dirname "$out")"
fi
