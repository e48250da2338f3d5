#!/usr/bin/env bash
# The Team dialog, the archive window's sync line and the conflicts dialog over a sample archive under a
# virtual X server, saved as PNG files; QT_SCALE_FACTOR=2 for the 2x pictures.
# Usage: ui/team/tools/screenshots.sh <build dir> [out prefix]
set -euo pipefail
build=${1:?build dir}
prefix=${2:-/tmp/}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A settings file and no secret store of the caller's: the pictures show a fresh PC.
env -u DBUS_SESSION_BUS_ADDRESS XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
  xvfb-run -a -s "-screen 0 2560x1600x24" "$build/bin/terrovane-team-shots" "$work/archive.sqlite" "$prefix"
