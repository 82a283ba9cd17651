#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A throwaway PostgreSQL for the tests of the class database, in a folder of its own:
#   scripts/pg_cluster.sh start DIR   makes the cluster when missing, starts it, prints its URL
#   scripts/pg_cluster.sh stop DIR    stops it (the folder stays; remove it to start afresh)
# It listens on a socket in DIR only (no TCP port), so any number can run side by side. As root
# the server runs as the postgres user. Password logins (scram) for every role but postgres.
set -euo pipefail
cmd=${1:?start or stop}
dir=$(realpath -m "${2:?folder}")
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -x "$bin/initdb" ] || { echo "no PostgreSQL server here (apt-get install postgresql)" >&2; exit 1; }
as_pg() { if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
port=5432

case $cmd in
  start)
    if [ ! -f "$dir/data/PG_VERSION" ]; then
      rm -rf "$dir/data"
      mkdir -p "$dir"
      [ "$(id -u)" = 0 ] && chown postgres "$dir"
      as_pg "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
      printf 'local all postgres trust\nlocal all all scram-sha-256\n' >"$dir/data/pg_hba.conf"
    fi
    if ! as_pg "$bin/pg_ctl" -D "$dir/data" status >/dev/null 2>&1; then
      as_pg "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
        -o "-k $dir -p $port -c listen_addresses= -c fsync=off" start >/dev/null
    fi
    as_pg "$bin/psql" -h "$dir" -p $port -U postgres -d postgres -Atqc \
      "SELECT 1 FROM pg_database WHERE datname = 'lab'" | grep -q 1 ||
      as_pg "$bin/createdb" -h "$dir" -p $port -U postgres lab
    echo "postgresql://postgres@/lab?host=$dir&port=$port"
    ;;
  stop)
    [ -f "$dir/data/PG_VERSION" ] && as_pg "$bin/pg_ctl" -D "$dir/data" -w -t 30 -m fast stop >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
