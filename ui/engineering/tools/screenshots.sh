#!/usr/bin/env bash
# The soil model and fall-of-potential windows over a sample archive under a virtual X server, saved as
# PNG files. Usage: ui/engineering/tools/screenshots.sh <build dir> [out prefix]; QT_SCALE_FACTOR=2 for 2x.
set -euo pipefail
build=${1:?build dir}
prefix=${2:-/tmp/}
archive=$(mktemp -d)/archive.sqlite
trap 'rm -rf "$(dirname "$archive")"' EXIT
xvfb-run -a -s "-screen 0 2560x1600x24" "$build/bin/terrovane-engineering-shots" "$archive" "$prefix"
