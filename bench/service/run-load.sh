#!/usr/bin/env bash
# Load run of vesrin-service on SQLite and, when a PostgreSQL server is installed, on a
# private PostgreSQL: starts each, runs build/bench/service_load against it, stops it.
#   [WORKERS=N] bench/service/run-load.sh [CLIENTS] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
clients=${1:-64}
seconds=${2:-10}
build=${BUILD:-build}
work=$(mktemp -d)
chmod 755 "$work"
service_pid=""; pg_bin=""
cleanup() {
  [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null || true
  if [ -n "$pg_bin" ] && [ -f "$work/pg/postmaster.pid" ]; then as_pg "$pg_bin/pg_ctl" -D "$work/pg" -m immediate stop >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
as_pg() { if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

run_one() { # name db
  "$build/bin/vesrin-service" --port 0 --db "$2" --data "$work/data-$1" --rate-limit 0 --workers "${WORKERS:-1}" > "$work/out-$1" 2>&1 &
  service_pid=$!
  for _ in $(seq 100); do grep -q listening "$work/out-$1" && break; sleep 0.1; done
  port=$(grep -o '[0-9]*$' "$work/out-$1" | head -1)
  echo "== $1"
  "$build/bench/service_load" "$port" --clients "$clients" --seconds "$seconds"
  # Processor time the service itself used: on a shared machine this says more than the
  # rate alone.
  echo "service processor time: $(ps -o times= --ppid "$service_pid" -p "$service_pid" | awk '{s+=$1} END {print s}') s"
  kill "$service_pid"; wait "$service_pid" 2>/dev/null || true; service_pid=""
}

run_one sqlite "sqlite:$work/load.sqlite"

pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1 || true)
if [ -n "$pg_bin" ] && [ -x "$pg_bin/initdb" ]; then
  mkdir -p "$work/pg"; [ "$(id -u)" = 0 ] && chown postgres "$work/pg"
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  as_pg "$pg_bin/initdb" -D "$work/pg" -A trust -U postgres --no-sync -E UTF8 >/dev/null
  as_pg "$pg_bin/pg_ctl" -D "$work/pg" -o "-p $port -k $work/pg -c listen_addresses=127.0.0.1" -w -l "$work/pg/log" start >/dev/null
  as_pg "$pg_bin/createdb" -h 127.0.0.1 -p "$port" -U postgres load
  run_one postgresql "postgresql://postgres@127.0.0.1:$port/load"
else
  echo "== postgresql: no server installed, skipped"
fi
