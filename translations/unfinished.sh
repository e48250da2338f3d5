#!/usr/bin/env bash
# Lists, per translation, every message still waiting for its translator: context, source and, for a
# plural, how many forms the language needs. Run translations/update.sh first.
#   translations/unfinished.sh [TS_FILE...]   (default: the three files beside this script)
# To fill them in: write "context<TAB>source<TAB>translation" lines (plural forms joined by " | ") and run
#   python3 translations/ts_tool.py fill TS_FILE LINES_FILE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ $# -eq 0 ]]; then
  set -- "$here/terrovane_zh.ts" "$here/terrovane_en.ts" "$here/terrovane_de.ts"
fi
status=0
for ts in "$@"; do
  python3 "$here/ts_tool.py" unfinished "$ts" || status=1
done
exit $status
