#!/usr/bin/env bash
# Runs the sweep benchmark, already built by the win64 preset, under Wine and prints its table.
# Usage: bench/run.sh [ticks]   (ZORVEL_BENCH_EXE names another build's zorvel_bench.exe)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${ZORVEL_BENCH_EXE:-$root/build/win64/bin/zorvel_bench.exe}
if [ ! -f "$exe" ]; then
    echo "bench: $exe is missing; build the win64 preset first" >&2
    exit 1
fi
echo "machine: $(nproc) processors, $(wine --version 2>/dev/null | head -n1)"
"$root/scripts/wine-run.sh" "$exe" "$@"
