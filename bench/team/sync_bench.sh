#!/usr/bin/env bash
# The team sync's figures on a throw-away server of its own (tests/team/pg_cluster.sh), over 127.0.0.1:
# the first sync of an archive of READOUTS read-outs (100 results each) to an empty server beside a plain
# COPY of the same rows with psql (goal: at most 2x), and one new read-out synced to a second PC end to
# end (goal: under 1 s).
# Usage: bench/team/sync_bench.sh [READOUTS]   (TERROVANE_CLI, TERROVANE_SYNC_BENCH: the programs to use;
# the build needs -DTERROVANE_BENCH=ON)
set -euo pipefail
readouts=${1:-10000}
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${TERROVANE_CLI:-$root/build/bin/terrovane-cli}
bench=${TERROVANE_SYNC_BENCH:-$root/build/bin/terrovane-sync-bench}
work=$(mktemp -d "${TMPDIR:-/tmp}/tv-sync-bench-XXXXXX")
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
for who in ann bob; do
  printf 'bench-pw\n' | "$cli" team member add "bench_$who" --role admin --server "$owner" >/dev/null
done
member() { echo "host=127.0.0.1 port=$port dbname=bench user=bench_$1 password=bench-pw sslmode=disable"; }

mkdir -p "$work/archives"
"$bench" "$readouts" "$work/archives" "$(member ann)" "$(member bob)" | tee "$work/sync.txt"

seconds() { python3 -c 'import time; print(time.monotonic())'; }
"${psql[@]}" -h "$dir" -p "$port" -U postgres -d bench \
  -c "CREATE TABLE public.plain (kind text NOT NULL, key text NOT NULL, body jsonb NOT NULL, PRIMARY KEY (kind, key))" \
  -c "GRANT ALL ON public.plain TO bench_ann"
# The same way in: 127.0.0.1, as the member.
start=$(seconds)
"${psql[@]}" "$(member ann)" -c "\\copy public.plain FROM '$work/archives/copy.tsv'"
copied=$(seconds)
python3 - "$start" "$copied" "$work/sync.txt" <<'PY'
import sys
start, copied, path = float(sys.argv[1]), float(sys.argv[2]), sys.argv[3]
figures = dict(line.split("=", 1) for line in open(path) if "=" in line and " " not in line.split("=")[0])
sync = float(figures["first_sync_seconds"])
copy = copied - start
print("plain COPY of the same rows with psql: %.2f s; first sync / COPY: %.1fx (goal <= 2x)" % (copy, sync / copy))
PY
