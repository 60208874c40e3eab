#!/usr/bin/env bash
# Walks the real Zorvel.exe through its scenes on a virtual display and saves a picture of each.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${ZORVEL_DEMO_DIR:-$top/docs}
for scene in main; do
    "$top/scripts/screenshot.sh" "$scene" "$out/demo-$scene.png"
done
echo "Demo pictures are in $out"
