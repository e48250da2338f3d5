#!/usr/bin/env bash
# The developer's quick tier: builds the plain build folder and runs the tests that need no window, no
# server and little time (labels unit and archive, none labelled slow). `make test` runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export QT_QPA_PLATFORM=offscreen
scripts/build.sh build -DTERROVANE_WERROR=ON -DTERROVANE_LINE_TABLES=ON
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 120 -L "unit|archive" -LE "slow|gui|server"
