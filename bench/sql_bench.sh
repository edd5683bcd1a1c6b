#!/usr/bin/env bash
# tarvand-db sql printing the whole asset register of a large company, beside the sqlite3 shell
# printing the same rows tab-separated with a header: the median wall time, CPU time (user +
# system) and peak resident memory of each whole process over ROUNDS rounds, and the ratios.
# Usage: bench/sql_bench.sh [build folder]   (default build/; ROUNDS=7)
# The database is the benchmarks' own: TARVAND_BENCH_DB, or tarvand-bench-100000.db in the
# temporary folder, made on first use. Needs the packages sqlite3 and time.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build}
rounds=${ROUNDS:-7}
db=${TARVAND_BENCH_DB:-${TMPDIR:-/tmp}/tarvand-bench-100000.db}
for program in sqlite3 /usr/bin/time; do
    command -v "$program" >/dev/null || { echo "$program is missing (apt-get install sqlite3 time)" >&2; exit 1; }
done
[ -f "$db" ] || "$build/bin/tarvand-db" init "$db" --assets 100000 >/dev/null

ours=("$build/bin/tarvand-db" sql "$db" "Select * From D_Amval")
shell=(sqlite3 -header -tabs "$db" "SELECT * FROM D_Amval")
ourLines=$("${ours[@]}" | wc -l)
shellLines=$("${shell[@]}" | wc -l)
if [ "$ourLines" != "$shellLines" ]; then
    echo "The two print different numbers of lines: $ourLines and $shellLines" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One line per run: wall seconds, CPU seconds, peak resident KiB.
run() {
    /usr/bin/time -f "%e %U %S %M" -o "$work/one" "${@:2}" >/dev/null
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/one" >>"$work/$1"
}
for ((i = 0; i < rounds; ++i)); do
    run ours "${ours[@]}"
    run shell "${shell[@]}"
done
median() {
    cut -d' ' -f"$2" "$work/$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf '%d rows, median of %d runs      wall s   cpu s   peak MiB\n' "$((ourLines - 1))" "$rounds"
for who in ours shell; do
    label=$([ "$who" = ours ] && echo "tarvand-db sql" || echo "sqlite3 shell")
    printf '%-34s %7.2f %7.2f %10.1f\n' "$label" "$(median "$who" 1)" "$(median "$who" 2)" \
        "$(awk -v k="$(median "$who" 3)" 'BEGIN { print k / 1024 }')"
done
awk -v aw="$(median ours 1)" -v bw="$(median shell 1)" -v ac="$(median ours 2)" -v bc="$(median shell 2)" \
    'BEGIN { printf "%-34s %7.2f %7.2f\n", "tarvand-db sql / sqlite3 shell", aw / bw, ac / bc }'
