#!/usr/bin/env bash
# Builds everything and starts the host on the embedded demo company (created under build/demo/ on
# first start). Extra arguments go to tarvand-host (see tarvand-host --help), e.g. --user 2.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
db="$here/build/demo/company.db"
mkdir -p "$(dirname "$db")"
[ -f "$db" ] || "$here/build/bin/tarvand-db" init "$db"
exec "$here/build/bin/tarvand-host" --db "$db" "$@"
