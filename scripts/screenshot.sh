#!/usr/bin/env bash
# Saves a PNG of the real main window, taken on a virtual display.
# Usage: screenshot.sh [scenario] out.png
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
scenario=main
[ $# -eq 2 ] && { scenario=$1; shift; }
out=$(realpath -m "$1")
bin=$top/build/win64/bin
bmp=$(mktemp --suffix=.bmp)
trap 'rm -f "$bmp"' EXIT
"$top/scripts/wine-run.sh" "$bin/zorvel_snap.exe" "$scenario" "Z:${bmp//\//\\}"
mkdir -p "$(dirname "$out")"
convert "$bmp" "$out"
echo "saved $out"
