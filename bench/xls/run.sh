#!/bin/sh
# Builds and runs the workbook writer benchmark; prints the figures.
# Usage: bench/xls/run.sh [BUILD_DIR] [OUTPUT_DIR]
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target xls_bench >/dev/null
exec "$build/bin/xls_bench" ${2:+"$2"}
