#!/usr/bin/env bash
# Starts Zorvel under Wine on this machine's display; without a display, runs the demo on a
# virtual one and says where its pictures are.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting Zorvel on $DISPLAY (its settings file: build/win64/bin/Zorvel.ini)"
    ZORVEL_DISPLAY=$DISPLAY exec "$top/scripts/wine-run.sh" "$top/build/win64/bin/Zorvel.exe"
fi
echo "No display here: running the demo on a virtual display instead."
ZORVEL_DEMO_DIR="$top/build/demo" exec "$top/scripts/demo.sh"
