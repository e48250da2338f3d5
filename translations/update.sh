#!/usr/bin/env bash
# Refreshes the English translation from the sources: every text marked with tr(), translate(),
# QT_TR_NOOP or QT_TRANSLATE_NOOP in the programs' folders. New Chinese texts arrive unfinished and wait
# for their English; an English text is its own translation and arrives finished.
#   translations/update.sh [TS_FILE]     (default: translations/terrovane_en.ts)
# LUPDATE names the lupdate program when it is not on the PATH or in Qt's folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
ts=${1:-$here/terrovane_en.ts}
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

# The folders whose texts a user sees (tools and tests show none).
folders=(app/dialog app/main ui res format export archive link printsvc cli translations)
cd "$root"
"$lupdate" -silent -locations none -no-obsolete -no-ui-lines -disable-heuristic sametext -disable-heuristic similartext \
  -target-language en -source-language zh_CN \
  -extensions cpp,h "${folders[@]}" -ts "$ts"
python3 "$here/ts_tool.py" finish-english "$ts"
