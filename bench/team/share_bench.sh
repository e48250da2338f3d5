#!/usr/bin/env bash
# A member's share of a big server beside an admin's whole: READOUTS read-outs of 100 results each, every
# result assigned to a point of one of 100 sites (each read-out's first half to one site, its second half
# to another), pulled from the start through terrovane.pull in pages of PAGE with the bodies of the page's
# read-outs through terrovane.bodies, as an archive does; by an admin (everything) and by a viewer of 10 of
# the 100 sites (its share, with the other sites' slots blank). Goal: the member takes no longer than the
# admin. Each pull runs ROUNDS times. Runs its own throw-away server (tests/team/pg_cluster.sh).
# Usage: bench/team/share_bench.sh [READOUTS] [PAGE] [ROUNDS]   (TERROVANE_CLI: the terrovane-cli to use)
set -euo pipefail
readouts=${1:-1000}
page=${2:-1000}
rounds=${3:-2}
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${TERROVANE_CLI:-$root/build/bin/terrovane-cli}
work=$(mktemp -d "${TMPDIR:-/tmp}/tv-share-bench-XXXXXX")
chmod 755 "$work"
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
printf 'bench-pw\n' | "$cli" team member add bench_admin --role admin --server "$owner" >/dev/null
member() { echo "host=127.0.0.1 port=$port dbname=bench user=bench_$1 password=bench-pw sslmode=disable"; }
layout=$("${psql[@]}" -t -A "$(member admin)" -c "SELECT terrovane.layout()")

# The admin's pushes: the sites and their points, the read-outs, then every result's assignment.
python3 - "$readouts" "$work" "$layout" <<'PY'
import hashlib, json, sys, uuid
readouts, work, layout = int(sys.argv[1]), sys.argv[2], int(sys.argv[3])
device = "aaaaaaaa-0000-4000-8000-000000000001"
stamp = "000001700000000-00000-" + device
def derived(name):
    d = bytearray(hashlib.sha256(name.encode()).digest()[:16])
    d[6] = (d[6] & 15) | 80; d[8] = (d[8] & 63) | 128
    return str(uuid.UUID(bytes=bytes(d)))
def site(n): return str(uuid.UUID(int=(1 << 124) + n))
def point(n): return str(uuid.UUID(int=(2 << 124) + n))
def field(kind, id, name, value):
    return {"type": "field", "kind": kind, "id": id, "site": None, "field": name, "value": value, "stamp": stamp}
batches = []
places = []
for n in range(100):
    places.append(field("site", site(n), "name", "Site %d" % n))
for n in range(100):
    places += [field("point", point(n), "site", site(n)), field("point", point(n), "name", "Rod %d" % n)]
batches.append((places, []))
assignments = []
for first in range(0, readouts, 500):
    changes, images = [], []
    for n in range(first, min(readouts, first + 500)):
        image = b""
        for slot in range(100):
            packet = bytearray(hashlib.sha256(b"%d/%d" % (n, slot)).digest() * 3)[:72]
            packet[0:2] = b"OK"; packet[67] = ord("U"); packet[68:70] = b"OK"
            image += bytes(packet)
            result = hashlib.sha256(bytes(packet)).hexdigest()
            where = n % 100 if slot < 50 else (n * 7 + 3) % 100
            a = derived("assignment:result:" + result)
            assignments += [field("assignment", a, "result", result), field("assignment", a, "point", point(where))]
        read_at, port = "2026-12-09T10:00:00#%d" % n, "COM3"
        key = hashlib.sha256((read_at + "\n" + port + "\n").encode() + image).hexdigest()
        images.append(image)
        changes.append({"type": "content", "kind": "readout", "key": key, "site": None,
                        "body": {"read_at": read_at, "port": port}, "image": len(images)})
    batches.append((changes, images))
for first in range(0, len(assignments), 20000):
    batches.append((assignments[first:first + 20000], []))
with open(work + "/push.sql", "w") as out:
    for number, (changes, images) in enumerate(batches, 1):
        text = json.dumps(changes, separators=(",", ":"))
        pictures = "ARRAY[%s]::bytea[]" % ",".join("'\\x%s'" % i.hex() for i in images) if images else "NULL"
        out.write("SELECT terrovane.push(%d, '%s', %d, '%s', %s)->>'status' <> 'applied' AS failed \\gset\n"
                  "\\if :failed\n\\quit 3\n\\endif\n" % (layout, device, number, text, pictures))
PY
"${psql[@]}" -t -o /dev/null "$(member admin)" -f "$work/push.sql"
# Ten of the hundred sites, spread over them.
printf 'bench-pw\n' | "$cli" team member add bench_viewer --role viewer \
  $(for n in 0 10 20 30 40 50 60 70 80 90; do printf -- '--site 10000000-0000-0000-0000-%012x ' "$n"; done) \
  --server "$owner" >/dev/null

# Every page, then the bodies of its content, until the log's end; the count of changes and bodies.
pull_all() {
  "${psql[@]}" -t -A "$(member "$1")" <<SQL
DO \$\$
DECLARE
    cursor bigint := 0;
    last bigint;
    changes bigint := 0;
    bodies bigint := 0;
    wanted text[];
    got bigint;
BEGIN
    LOOP
        SELECT max(p.ord), count(*), array_agg(p.id) FILTER (WHERE p.source = 'content')
            INTO last, got, wanted FROM terrovane.pull($layout, cursor, $page) p;
        EXIT WHEN last IS NULL;
        cursor := last;
        changes := changes + got;
        IF wanted IS NOT NULL THEN
            bodies := bodies + (SELECT count(*) FROM terrovane.bodies($layout, wanted) b WHERE length(b.body::text) > 0);
        END IF;
    END LOOP;
    PERFORM set_config('bench.got', changes || ' changes, ' || bodies || ' bodies', false);
END
\$\$;
SELECT current_setting('bench.got');
SQL
}
seconds() { python3 -c 'import time; print(time.monotonic())'; }
echo "server of $readouts read-outs ($((readouts * 100)) results, all assigned) in 100 sites; pages of $page"
for round in $(seq 1 "$rounds"); do
  for who in admin viewer; do
    start=$(seconds)
    got=$(pull_all "$who")
    done_at=$(seconds)
    python3 -c 'import sys; print("round %s, %-6s (%s): %.2f s" % (sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[5]) - float(sys.argv[4])))' \
      "$round" "$who" "$got" "$start" "$done_at"
  done
done
