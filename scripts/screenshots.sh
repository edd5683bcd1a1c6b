#!/usr/bin/env bash
# Pictures of the module's window for the README: each tab listed below as the host shows it on a
# 1280x720 screen (offscreen, no display needed), over a fresh demo company, into docs/screenshots/.
# Usage: scripts/screenshots.sh [build folder]   (default: build/, made by scripts/setup.sh)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build}
out="$here/docs/screenshots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/screen.json" <<'JSON'
{"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 720,
              "logicalDpi": 96, "logicalDpiY": 96, "dpr": 1}]}
JSON
"$build/bin/tarvand-db" init "$work/company.db" >/dev/null
mkdir -p "$out"

# tab index and picture name
shots=("0 assets" "8 locations" "3 depreciation-rates" "2 characteristics" "6 asset-states" "5 delivery-sources"
       "9 cost-centres")
for shot in "${shots[@]}"; do
    read -r tab name <<<"$shot"
    QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
        "$build/bin/tarvand-host" --db "$work/company.db" --screenshot "$out/$name.png" --tab "$tab"
    echo "$out/$name.png"
done
