#!/usr/bin/env bash
# Installs what is missing, builds the programs and their data files, and packs them as the Debian
# package build/terrovane_<version>_<arch>.deb (install it with: sudo apt install ./build/terrovane_*.deb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
BUILD_TARGETS="Terrovane rapstel terrovane-cli terrovane-sim packaging_icons packaging_man packaging_doc" \
  scripts/build.sh build "$@"
rm -f build/terrovane_*.deb
(cd build && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log >&2; exit 1; }
ls "$root"/build/terrovane_*.deb
