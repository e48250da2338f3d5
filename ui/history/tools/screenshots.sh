#!/usr/bin/env bash
# The archive window, its assignment step, the site report (step, print preview, first page of the PDF)
# and a trend over a sample archive under a virtual X server, saved as PNG files.
# Usage: ui/history/tools/screenshots.sh <build dir> [out prefix]
set -euo pipefail
build=${1:?build dir}
prefix=${2:-/tmp/}
archive=$(mktemp -d)/archive.sqlite
trap 'rm -rf "$(dirname "$archive")"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/terrovane-history-shots" "$archive" "$prefix"
# The site report's first page as the PDF has it.
pdftoppm -png -r 90 -f 1 -l 1 -singlefile "${prefix}history-site-report.pdf" "${prefix}history-site-report-page1"
echo "saved ${prefix}history-site-report-page1.png"
pdftoppm -png -r 90 -f 1 -l 1 -singlefile "${prefix}history-due-list.pdf" "${prefix}history-due-list-page1"
echo "saved ${prefix}history-due-list-page1.png"
