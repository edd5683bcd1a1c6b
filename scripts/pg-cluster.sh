#!/usr/bin/env bash
# Starts and stops a throwaway PostgreSQL cluster for the tests, in a temporary folder.
# Usage: scripts/pg-cluster.sh start STATE | stop STATE
#   start: initdb into a new folder under ${TMPDIR:-/tmp}, start a server on a free port of 127.0.0.1
#          (bootstrap superuser "tarvand", trust authentication) and write its URI
#          postgresql://tarvand@127.0.0.1:PORT to STATE and the folder to STATE.dir.
#   stop:  stop that server and remove its folder and STATE.
# The server refuses to run as root, so under root it runs as the "postgres" system user.
set -euo pipefail
action=${1:?start or stop}
state=${2:?state file}

bindir=$(pg_config --bindir 2>/dev/null || true)
if [ ! -x "$bindir/initdb" ]; then
    bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
fi
[ -x "$bindir/initdb" ] || { echo "PostgreSQL server programs not found (package postgresql)" >&2; exit 1; }

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop_cluster() {
    [ -f "$state.dir" ] || return 0
    local dir
    dir=$(cat "$state.dir")
    if [ -d "$dir/data" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf -- "$dir"
    rm -f -- "$state" "$state.dir"
}

port_taken() {
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

case "$action" in
start)
    stop_cluster # what an interrupted run left behind
    dir=$(mktemp -d "${TMPDIR:-/tmp}/tarvand-pg.XXXXXX")
    echo "$dir" >"$state.dir"
    [ "$(id -u)" -ne 0 ] || chown postgres: "$dir"
    chmod 700 "$dir"
    as_owner "$bindir/initdb" -D "$dir/data" -U tarvand --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
        { cat "$dir/initdb.log" >&2; exit 1; }
    for attempt in 1 2 3 4 5 6 7 8; do
        port=$((20000 + (RANDOM * 7 + $$ + attempt) % 40000))
        port_taken "$port" && continue
        if as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
            -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
            start >/dev/null; then
            echo "postgresql://tarvand@127.0.0.1:$port" >"$state"
            echo "PostgreSQL test cluster at $(cat "$state") in $dir"
            exit 0
        fi
    done
    cat "$dir/server.log" >&2 || true
    stop_cluster
    echo "could not start the PostgreSQL test cluster" >&2
    exit 1
    ;;
stop)
    stop_cluster
    ;;
*)
    echo "usage: $0 start|stop STATE" >&2
    exit 2
    ;;
esac
