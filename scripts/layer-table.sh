#!/usr/bin/env bash
# Writes the layer table of docs/architecture.md anew from the rules in cmake/CheckLayers.cmake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -DWRITE_DOC="$root/docs/architecture.md" -P "$root/cmake/CheckLayers.cmake"
