#!/usr/bin/env bash
# The History window and a trend over a sample archive under a virtual X server, saved as PNG files.
# Usage: ui/history/tools/screenshots.sh <build dir> [out prefix]
set -euo pipefail
build=${1:?build dir}
prefix=${2:-/tmp/}
archive=$(mktemp -d)/archive.sqlite
trap 'rm -rf "$(dirname "$archive")"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/terrovane-history-shots" "$archive" "$prefix"
