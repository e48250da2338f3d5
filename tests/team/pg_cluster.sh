#!/usr/bin/env bash
# The throw-away PostgreSQL server of one test run: `start STATE` makes a cluster in a scratch folder,
# starts it on a Unix socket there and on 127.0.0.1 at a free port, makes the owner role and the template
# database the tests clone, and writes where it is to the file STATE; `stop STATE` stops it and removes
# everything. `start STATE plain` makes one that offers no TLS at all, as a server nobody set up for it.
# Nothing but 127.0.0.1 and the socket is ever listened on or contacted.
set -euo pipefail
action=$1
state=$2
flavour=${3:-tls}
# libpq's environment of the caller must not redirect the harness's own psql.
unset PGHOST PGHOSTADDR PGPORT PGUSER PGPASSWORD PGPASSFILE PGDATABASE PGSERVICE PGSERVICEFILE PGOPTIONS PGSSLMODE

bindir=""
for candidate in /usr/lib/postgresql/*/bin; do
  [[ -x "$candidate/initdb" ]] && bindir=$candidate
done
[[ -n "$bindir" ]] || { echo "pg_cluster: no PostgreSQL server found (install the package postgresql)" >&2; exit 1; }

# initdb and postgres refuse to run as root: then the cluster belongs to the postgres user.
as_owner() {
  if [[ $(id -u) -eq 0 ]]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

stop() {
  [[ -f "$state" ]] || return 0
  local dir
  dir=$(sed -n 's/^dir=//p' "$state")
  if [[ -n "$dir" && -d "$dir/data" ]]; then
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w -t 60 stop >/dev/null 2>&1 || true
  fi
  [[ -n "$dir" && "$dir" == */tv-pg-* ]] && rm -rf "$dir"
  rm -f "$state"
}

# A root certificate, the server's certificate it signed for 127.0.0.1, and a second root that signed
# nothing of this server, for the tests of verify-full.
make_certificates() {
  local tls=$1
  mkdir -p "$tls"
  local key=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
  openssl req -x509 "${key[@]}" -days 2 -subj "/CN=Terrovane test root" -keyout "$tls/root.key" \
    -out "$tls/root.crt" 2>/dev/null
  openssl req -x509 "${key[@]}" -days 2 -subj "/CN=Someone else" -keyout "$tls/other.key" \
    -out "$tls/other.crt" 2>/dev/null
  openssl req "${key[@]}" -subj "/CN=127.0.0.1" -keyout "$tls/server.key" -out "$tls/server.csr" 2>/dev/null
  printf 'subjectAltName=IP:127.0.0.1\n' >"$tls/server.ext"
  openssl x509 -req -in "$tls/server.csr" -CA "$tls/root.crt" -CAkey "$tls/root.key" -CAcreateserial -days 2 \
    -extfile "$tls/server.ext" -out "$tls/server.crt" 2>/dev/null
  chmod 600 "$tls/server.key"
  [[ $(id -u) -eq 0 ]] && chown -R postgres: "$tls"
  return 0
}

free_port() {
  /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

start() {
  stop  # a cluster a broken run left behind
  local dir port
  dir=$(mktemp -d "${TMPDIR:-/tmp}/tv-pg-XXXXXX")
  [[ $(id -u) -eq 0 ]] && chown postgres: "$dir"
  as_owner "$bindir/initdb" -D "$dir/data" -U postgres -A trust --no-sync -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; exit 1; }
  # The harness's superuser signs in over the private socket only; everyone else with a SCRAM password.
  cat >"$dir/data/pg_hba.conf" <<HBA
local all postgres trust
local all all scram-sha-256
host all all 127.0.0.1/32 scram-sha-256
HBA
  local tls_options="" tls_dir=""
  if [[ "$flavour" != plain ]]; then
    make_certificates "$dir/tls"
    tls_dir="$dir/tls"
    tls_options=" -c ssl=on -c ssl_cert_file=$dir/tls/server.crt -c ssl_key_file=$dir/tls/server.key"
  fi
  port=$(free_port)
  # PG_CLUSTER_DURABLE: a commit is answered only once it is written, so a server killed on purpose
  # (crash, then restart) keeps everything it answered; the disk itself is never synced.
  local commit=off
  [[ -n "${PG_CLUSTER_DURABLE:-}" ]] && commit=on
  local options="-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$dir -c fsync=off -c synchronous_commit=$commit -c full_page_writes=off -c max_connections=200$tls_options"
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 -o "$options" start >/dev/null ||
    { cat "$dir/server.log" >&2; exit 1; }
  printf 'dir=%s\nport=%s\nbindir=%s\ntls=%s\noptions=%s\n' "$dir" "$port" "$bindir" "$tls_dir" "$options" >"$state"
  "$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port" -U postgres -d postgres <<SQL
CREATE ROLE tv_owner LOGIN CREATEROLE PASSWORD 'owner-secret';
CREATE DATABASE tv_template OWNER tv_owner;
SQL
}

# The server killed as a power cut would (no shutdown), and started again on the same port.
crash() {
  local dir
  dir=$(sed -n 's/^dir=//p' "$state")
  as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w -t 60 stop >/dev/null
}

restart() {
  local dir options
  dir=$(sed -n 's/^dir=//p' "$state")
  options=$(sed -n 's/^options=//p' "$state")
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 -o "$options" start >/dev/null ||
    { cat "$dir/server.log" >&2; exit 1; }
}

case "$action" in
  start) start ;;
  stop) stop ;;
  crash) crash ;;
  restart) restart ;;
  *) echo "usage: pg_cluster.sh start|stop|crash|restart STATE" >&2; exit 2 ;;
esac
