#!/usr/bin/env bash
# The server's share of a first sync, beside the reference the team archive is measured against: ROWS
# read-outs pushed as content changes in batches of BATCH through terrovane.push (each batch one transaction
# with its checks of every key against its image, change log, audit and answer), then the same rows loaded
# by a plain COPY with psql, and the whole log pulled back in pages of PAGE. Runs its own throw-away server (tests/team/pg_cluster.sh).
# Usage: bench/team/push_bench.sh [ROWS] [BATCH] [PAGE]    (TERROVANE_CLI: the terrovane-cli to use)
set -euo pipefail
rows=${1:-10000}
batch=${2:-500}
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

# The same rows for both: read-outs of distinct images (a few results each), keyed by their digest.
python3 - "$rows" "$batch" "$work" "$layout" <<'PY'
import hashlib, json, sys
rows, batch, work, layout = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], int(sys.argv[4])
def readout(n):
    slots = b""
    for slot in range(3):
        packet = bytearray((n * 7 + slot * 13 + i) & 0xFF for i in range(72))
        packet[0:2] = b"OK"; packet[67] = ord("U"); packet[68:70] = b"OK"
        slots += bytes(packet)
    image = slots + bytes(7200 - len(slots))
    read_at, port = "2026-12-09T10:%02d:%02d.%06d" % (n // 60 % 60, n % 60, n), "/dev/ttyUSB0"
    key = hashlib.sha256((read_at + "\n" + port + "\n").encode() + image).hexdigest()
    return key, {"read_at": read_at, "port": port, "image": image.hex()}
with open(work + "/push.sql", "w") as push, open(work + "/copy.csv", "w") as copy:
    for first in range(0, rows, batch):
        changes = []
        for n in range(first, min(rows, first + batch)):
            key, body = readout(n)
            changes.append({"type": "content", "kind": "readout", "key": key, "site": None, "body": body})
            copy.write('%s\t%s\n' % (key, json.dumps(body, separators=(",", ":"))))
        text = json.dumps(changes, separators=(",", ":")).replace("'", "''")
        push.write("SELECT terrovane.push(%d, 'aaaaaaaa-0000-4000-8000-000000000001', %d, '%s') IS NULL;\n"
                   % (layout, first // batch + 1, text))
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
DO \$\$
DECLARE
    cursor bigint := 0;
    last bigint;
    pages integer := 0;
BEGIN
    LOOP
        SELECT max(p.ord) INTO last FROM terrovane.pull($layout, cursor, $page) p;
        EXIT WHEN last IS NULL;
        cursor := last;
        pages := pages + 1;
    END LOOP;
    PERFORM set_config('bench.pages', pages::text, false);
END
\$\$;
SELECT current_setting('bench.pages');
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
