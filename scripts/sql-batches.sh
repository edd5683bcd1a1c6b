#!/usr/bin/env bash
# Writes every batch of the T-SQL scripts named to a file of its own, <script>-<nn>.sql, in the
# folder named first (emptied of .sql files before). Batches are split as the company database is
# built: at lines holding only Go, leaving out those with nothing but blank lines and comments.
# The statement fuzz targets take the batches of db/ as seeds this way.
# Usage: scripts/sql-batches.sh <folder> <script.sql>...
set -euo pipefail
out=$1
shift
mkdir -p "$out"
rm -f "$out"/*.sql
for script in "$@"; do
    awk -v prefix="$out/$(basename "$script" .sql)" '
        function flush() {
            if (statement) {
                file = sprintf("%s-%02d.sql", prefix, n++)
                printf "%s", text > file
                close(file)
            }
            text = ""
            statement = 0
        }
        { sub(/\r$/, "") }
        /^[ \t]*[Gg][Oo][ \t]*$/ { flush(); next }
        { text = text $0 "\n" }
        $0 !~ /^[ \t]*(--.*)?$/ { statement = 1 }
        END { flush() }' "$script"
done
