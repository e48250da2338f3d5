#!/usr/bin/env bash
# Installs what is missing, builds, and starts the main program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
scripts/build.sh build
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "demo: no display (DISPLAY and WAYLAND_DISPLAY are unset); Terrovane is a desktop program." >&2
  exit 1
fi
exec build/bin/Terrovane
