#!/usr/bin/env bash
# Fails when a .ts is behind the sources: a copy refreshed by translations/update.sh must equal it.
set -euo pipefail
translations=$1 scratch=$2
mkdir -p "$scratch"
status=0
for language in zh en de; do
  cp "$translations/terrovane_$language.ts" "$scratch/terrovane_$language.ts"
  "$translations/update.sh" "$scratch/terrovane_$language.ts"
  if ! diff -u "$translations/terrovane_$language.ts" "$scratch/terrovane_$language.ts"; then
    echo "translations/terrovane_$language.ts is behind the sources: run translations/update.sh and" \
      "translations/unfinished.sh, and translate what it lists" >&2
    status=1
  fi
done
exit $status
