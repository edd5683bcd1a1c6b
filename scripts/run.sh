#!/usr/bin/env bash
# Builds everything and opens the embedded demo company (created on first start under build/demo/).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
db="$here/build/demo/company.db"
mkdir -p "$(dirname "$db")"
tool="$here/build/bin/tarvand-db"
[ -f "$db" ] || "$tool" init "$db"
echo "Demo company database: $db"
echo
echo "Asset register:"
"$tool" sql "$db" "Select DaraCod, DaraNam, MakanCod, PersonelCod, EndValue From D_Amval Order By DaraCod"
