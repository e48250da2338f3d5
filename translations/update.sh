#!/usr/bin/env bash
# Refreshes the translations from the sources: every text marked with tr(), translate(), QT_TR_NOOP or
# QT_TRANSLATE_NOOP in the programs' folders goes into terrovane_zh.ts, terrovane_en.ts and
# terrovane_de.ts. What needs no translator is finished at once: under English an English source is its
# own translation, under Chinese a Chinese source is. Everything else arrives unfinished;
# translations/unfinished.sh lists it and translations/ts_tool.py fill puts the translations in.
#   translations/update.sh [TS_FILE...]     (default: the three files beside this script)
# LUPDATE names the lupdate program when it is not on the PATH or in Qt's folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
if [[ $# -gt 0 ]]; then
  files=("$@")
else
  files=("$here/terrovane_zh.ts" "$here/terrovane_en.ts" "$here/terrovane_de.ts")
fi
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

# The folders whose texts a user sees (tools and tests show none).
folders=(app/dialog app/main ui res format export archive import analysis link plots texts printsvc cli translations)
cd "$root"
for ts in "${files[@]}"; do
  # The file's name says its language: terrovane_<code>.ts.
  code=$(basename "$ts" .ts)
  code=${code##*_}
  case "$code" in
    zh) target=zh_CN ;;
    de) target=de_DE ;;
    *) target=en ;;
  esac
  "$lupdate" -silent -locations none -no-obsolete -no-ui-lines -disable-heuristic sametext -disable-heuristic similartext \
    -target-language "$target" -source-language zh_CN \
    -extensions cpp,h "${folders[@]}" -ts "$ts"
  python3 "$here/ts_tool.py" finish "$ts"
done
