#!/usr/bin/env bash
# Checks that every #include in src/ points down the house (or sideways inside one room), and
# that only the Win32 layer and the entry point see <windows.h>.
#   scripts/check-layers.sh [src-dir]         fails on an upward arrow
#   scripts/check-layers.sh --dot [src-dir]   prints the room-level include graph for Graphviz
set -euo pipefail

dot=0
if [[ ${1:-} == --dot ]]; then
    dot=1
    shift
fi
src=${1:-$(dirname "$0")/../src}

# What each room may include besides itself. The portable units are peers: none includes another.
declare -A may=(
    [base]=""
    [platform]="base"
    [closer]="base platform"
    [captions]="base platform"
    [settings]="base platform"
    [dressing]="base platform"
    [platform/win32]="base platform"
    [app]="base platform closer captions settings dressing"
    [main]="base platform closer captions settings dressing platform/win32 app"
)

room() {
    case $1 in
        platform/win32/*) echo platform/win32 ;;
        */*) echo "${1%%/*}" ;;
        *) echo "" ;;
    esac
}

declare -A edges=()
faults=0
while IFS= read -r file; do
    rel=${file#"$src"/}
    from=$(room "$rel")
    [[ -n ${may[$from]+set} ]] || { echo "unknown room: $rel" >&2; faults=$((faults + 1)); continue; }
    if grep -q '^#include <windows.h>' "$file" && [[ $from != platform/win32 && $from != main ]]; then
        echo "windows.h outside the Win32 layer: $rel" >&2
        faults=$((faults + 1))
    fi
    while IFS= read -r target; do
        to=$(room "$target")
        [[ -z $to || $to == "$from" ]] && continue
        edges["$from -> $to"]=1
        if [[ " ${may[$from]} " != *" $to "* ]]; then
            echo "upward arrow: $rel includes $target" >&2
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

if ((dot)); then
    echo 'digraph zorvel {'
    echo '    node [shape=box, fontname="Helvetica"];'
    for edge in "${!edges[@]}"; do
        from=${edge%% -> *}
        to=${edge##* -> }
        if [[ " ${may[$from]} " == *" $to "* ]]; then
            echo "    \"$from\" -> \"$to\";"
        else
            echo "    \"$from\" -> \"$to\" [color=red, style=dashed];"
        fi
    done | sort
    echo '}'
fi
if ((faults)); then
    echo "$faults fault(s) in the include graph" >&2
    exit 1
fi
