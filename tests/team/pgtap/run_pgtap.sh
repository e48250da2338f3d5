#!/usr/bin/env bash
# Runs one pgTAP file against a team schema made by the program: a scratch database cloned from the test
# cluster's template (pg_cluster.sh), `terrovane-cli team init` as its owner, three members (viewer, inspector,
# admin) and the pgtap extension; then the file with psql, whose TAP goes to the output. Fails when a test
# fails (the file ends with finish(true)). Usage: run_pgtap.sh STATE CLI FILE
set -euo pipefail
state=$1
cli=$2
file=$3
unset PGHOST PGHOSTADDR PGPORT PGUSER PGPASSWORD PGPASSFILE PGDATABASE PGSERVICE PGSERVICEFILE PGOPTIONS PGSSLMODE
dir=$(sed -n 's/^dir=//p' "$state")
port=$(sed -n 's/^port=//p' "$state")
bindir=$(sed -n 's/^bindir=//p' "$state")
db="tap_$$_$RANDOM"
psql_as() {
  local user=$1 database=$2
  shift 2
  PGPASSWORD=owner-secret "$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port" -U "$user" -d "$database" "$@"
}
cleanup() { psql_as postgres postgres -c "DROP DATABASE IF EXISTS $db WITH (FORCE)" >/dev/null 2>&1 || true; }
trap cleanup EXIT
psql_as postgres postgres -c "CREATE DATABASE $db TEMPLATE tv_template OWNER tv_owner"
made=$("$cli" team init --server "host=$dir port=$port dbname=$db user=tv_owner password=owner-secret" 2>&1) ||
  { echo "$made" >&2; exit 1; }
psql_as tv_owner "$db" >/dev/null <<SQL
SELECT terrovane.add_member('${db}_vic', 'viewer', 'pw', ARRAY['11111111-1111-4111-8111-111111111111']);
SELECT terrovane.add_member('${db}_ins', 'inspector', 'pw', ARRAY['11111111-1111-4111-8111-111111111111']);
SELECT terrovane.add_member('${db}_ada', 'admin', 'pw', NULL);
SQL
psql_as postgres "$db" -c "CREATE SCHEMA tap; CREATE EXTENSION pgtap SCHEMA tap"
tap=$(psql_as postgres "$db" -v team="${db}_team" -v api="${db}_api" -v vic="${db}_vic" -v ins="${db}_ins" \
  -v ada="${db}_ada" -P tuples_only=on -P format=unaligned -c "SET search_path = tap, public" -f "$file" 2>&1) ||
  { echo "$tap"; exit 1; }
echo "$tap"
# Every planned test ran and passed.
planned=$(echo "$tap" | sed -n 's/^1\.\.\([0-9]*\)$/\1/p')
passed=$(echo "$tap" | grep -c '^ok ' || true)
[[ -n "$planned" && "$planned" == "$passed" ]] || { echo "planned ${planned:-none}, passed $passed" >&2; exit 1; }
