#!/usr/bin/env bash
# Configures and builds one build folder. Usage: build.sh DIR [extra cmake options...]
# BUILD_TARGETS, when set, limits the build to those targets.
set -euo pipefail
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
