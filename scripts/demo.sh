#!/usr/bin/env bash
# Walks the real Zorvel.exe through a pick and an automatic close on a virtual display and
# saves a picture of each step.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${ZORVEL_DEMO_DIR:-$top/docs}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$top/scripts/wine-run.sh" "$top/build/win64/bin/zorvel_snap.exe" demo "Z:${work//\//\\}"
mkdir -p "$out"
for bmp in "$work"/*.bmp; do
    convert "$bmp" "$out/$(basename "${bmp%.bmp}").png"
done
echo "Demo pictures are in $out:"
ls "$out"/demo-*.png
