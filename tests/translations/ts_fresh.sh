#!/usr/bin/env bash
# Fails when the .ts is behind the sources: a copy refreshed by translations/update.sh must equal it.
set -euo pipefail
translations=$1 scratch=$2
mkdir -p "$scratch"
cp "$translations/terrovane_en.ts" "$scratch/terrovane_en.ts"
"$translations/update.sh" "$scratch/terrovane_en.ts"
if ! diff -u "$translations/terrovane_en.ts" "$scratch/terrovane_en.ts"; then
  echo "translations/terrovane_en.ts is behind the sources: run translations/update.sh and translate what it adds" >&2
  exit 1
fi
