#!/usr/bin/env bash
# The server's share of a first sync, beside the reference the team archive is measured against: ROWS
# results pushed as content changes in batches of BATCH through terrovane.push (each batch one transaction
# with its savepoints, change log, audit and answer), then the same rows loaded by a plain COPY with psql,
# and the whole log pulled back in pages of PAGE. Runs its own throw-away server (tests/team/pg_cluster.sh).
# Usage: bench/team/push_bench.sh [ROWS] [BATCH] [PAGE]    (TERROVANE_CLI: the terrovane-cli to use)
set -euo pipefail
rows=${1:-100000}
batch=${2:-1000}
page=${3:-1000}
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${TERROVANE_CLI:-$root/build/bin/terrovane-cli}
work=$(mktemp -d "${TMPDIR:-/tmp}/tv-push-bench-XXXXXX")
state=$work/cluster.state
trap '"$root/tests/team/pg_cluster.sh" stop "$state"; rm -rf "$work"' EXIT

"$root/tests/team/pg_cluster.sh" start "$state"
dir=$(sed -n 's/^dir=//p' "$state")
port=$(sed -n 's/^port=//p' "$state")
bindir=$(sed -n 's/^bindir=//p' "$state")
psql=("$bindir/psql" -X -q -v ON_ERROR_STOP=1)
"${psql[@]}" -h "$dir" -p "$port" -U postgres -d postgres -c "CREATE DATABASE bench OWNER tv_owner"
owner="host=$dir port=$port dbname=bench user=tv_owner password=owner-secret"
"$cli" team init --server "$owner" >/dev/null
printf 'bench-pw\n' | "$cli" team member add bencher --role admin --server "$owner" >/dev/null
member="host=127.0.0.1 port=$port dbname=bench user=bencher password=bench-pw"

layout=$("${psql[@]}" -t -A "$member" -c "SELECT terrovane.layout()")

# The same rows for both: a result's key and a body of the size a result's fields take.
python3 - "$rows" "$batch" "$work" "$layout" <<'PY'
import json, sys
rows, batch, work, layout = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], int(sys.argv[4])
def body(n):
    return {"readout": "sha256:r%06d" % (n // 100), "slot": n % 100, "mode": 1 + n % 9,
            "re": "%.2f" % (n % 997 / 10), "unit": "ohm", "measured": "2026-12-09T10:%02d:%02d" % (n // 60 % 60, n % 60)}
with open(work + "/push.sql", "w") as push, open(work + "/copy.csv", "w") as copy:
    for first in range(0, rows, batch):
        changes = [{"type": "content", "kind": "result", "key": "sha256:%08d" % n, "site": None, "body": body(n)}
                   for n in range(first, min(rows, first + batch))]
        text = json.dumps(changes, separators=(",", ":")).replace("'", "''")
        push.write("SELECT terrovane.push(%d, 'aaaaaaaa-0000-4000-8000-000000000001', %d, '%s') IS NULL;\n"
                   % (layout, first // batch + 1, text))
    for n in range(rows):
        copy.write('sha256:%08d\t%s\n' % (n, json.dumps(body(n), separators=(",", ":"))))
PY

seconds() { python3 -c 'import time; print(time.monotonic())'; }
start=$(seconds)
"${psql[@]}" -t -o /dev/null "$member" -f "$work/push.sql"
pushed=$(seconds)
"${psql[@]}" -h "$dir" -p "$port" -U postgres -d bench \
  -c "CREATE TABLE plain (key text PRIMARY KEY, body jsonb NOT NULL)" \
  -c "\\copy plain FROM '$work/copy.csv'"
copied=$(seconds)
pages=$("${psql[@]}" -t -A "$member" <<SQL
CREATE TEMP TABLE cursor_at AS SELECT '0'::xid8 AS xid, 0::bigint AS seq, 0 AS pages;
DO \$\$
DECLARE
    last record;
BEGIN
    LOOP
        SELECT p.xid, p.seq INTO last FROM cursor_at c, terrovane.pull($layout, c.xid, c.seq, $page) p
            ORDER BY p.xid DESC, p.seq DESC LIMIT 1;
        EXIT WHEN NOT FOUND;
        UPDATE cursor_at SET xid = last.xid, seq = last.seq, pages = pages + 1;
    END LOOP;
END
\$\$;
SELECT pages FROM cursor_at;
SQL
)
pulled=$(seconds)
count=$("${psql[@]}" -t -A -h "$dir" -p "$port" -U postgres -d bench -c "SELECT count(*) FROM terrovane.content")
python3 - "$rows" "$batch" "$page" "$count" "$pages" "$start" "$pushed" "$copied" "$pulled" <<'PY'
import sys
rows, batch, page, count, pages = sys.argv[1:6]
start, pushed, copied, pulled = map(float, sys.argv[6:10])
push, copy, pull = pushed - start, copied - pushed, pulled - copied
print("rows %s, batches of %s: push %.2f s (%.0f rows/s), plain COPY %.2f s, push/COPY %.1fx" % (rows, batch, push, int(rows) / push, copy, push / copy))
print("pull in pages of %s: %s pages, %.2f s (%.0f rows/s); rows on the server: %s" % (page, pages, pull, int(rows) / pull, count))
PY
