#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated instrument with its demo results, and runs the
# main program against it. Without a display it reads the same results through the command line instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
BUILD_TARGETS="Terrovane rapstel terrovane-sim terrovane-cli" scripts/build.sh build
bin="$root/build/bin"

work=$(mktemp -d)
export TERROVANE_PORTMAP="$work/portmap.ini"
export TERROVANE_HANDOFF_DIR="${TERROVANE_HANDOFF_DIR:-$work/handoff}"
sim_pid=""
cleanup() {
  [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The simulator prints its device path once it has published itself in the port map.
coproc SIM { exec "$bin/terrovane-sim" --portmap "$TERROVANE_PORTMAP"; }
sim_pid=$SIM_PID
read -r -t 10 device <&"${SIM[0]}" || { echo "demo: the simulated instrument did not start" >&2; exit 1; }
echo "demo: simulated instrument on $device (TERROVANE_PORTMAP=$TERROVANE_PORTMAP)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "demo: no display (DISPLAY and WAYLAND_DISPLAY are unset), so Terrovane cannot open its window." >&2
  echo "demo: reading the simulated instrument through terrovane-cli instead:" >&2
  "$bin/terrovane-cli" read
  exit 0
fi
"$bin/Terrovane"
