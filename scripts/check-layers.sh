#!/usr/bin/env bash
# Checks the include direction of src/: a file includes headers of its own layer and of the layers
# below it only (the order README.md gives). Prints each upward include and fails when there is one.
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../src" && pwd)

# Rank of a file's folder. The host application, the sibling modules and the tools stand beside
# the module: their headers rank above every layer (nothing else may include them), and their
# files may include their own folder's headers and what lies up to the host objects.
rank() {
    case "$1" in
    platform/*) echo 0 ;;
    toolkit/*) echo 1 ;;
    host/objects/*) echo 2 ;;
    context/*) echo 3 ;;
    common/*) echo 4 ;;
    shell/*) echo 5 ;;
    editors/*) echo 6 ;;
    entry/*) echo 7 ;;
    host/app/* | siblings/* | tools/*) echo 50 ;;
    *) echo 99 ;;
    esac
}

# The folder that a side part keeps its own headers in.
group() {
    case "$1" in
    host/app/*) echo host/app ;;
    siblings/*) echo siblings ;;
    tools/*) echo tools ;;
    *) echo "${1%/*}" ;;
    esac
}

declare -A headerRank headerDir
while IFS= read -r header; do
    rel=${header#"$src"/}
    headerRank[${header##*/}]=$(rank "$rel")
    headerDir[${header##*/}]=$(group "$rel")
done < <(find "$src" -name '*.h')

bad=0
while IFS= read -r file; do
    rel=${file#"$src"/}
    own=$(rank "$rel")
    [ "$own" -eq 50 ] && own=2
    ownGroup=$(group "$rel")
    while IFS= read -r included; do
        target=${headerRank[$included]:-}
        [ -n "$target" ] || continue
        # Beside the module, a folder's own headers are its own business.
        [ "$ownGroup" = "${headerDir[$included]}" ] && continue
        if [ "$target" -gt "$own" ]; then
            echo "upward include: $rel includes $included"
            bad=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h')
exit $bad
