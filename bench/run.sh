#!/usr/bin/env bash
# Runs the benchmarks, already built by the win64 preset, under Wine and prints their tables.
# Usage: bench/run.sh [runs]   (the sweep's ticks and the settings' runs; ZORVEL_BENCH_DIR
# names another build's bin directory)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${ZORVEL_BENCH_DIR:-$root/build/win64/bin}
for exe in zorvel_bench.exe zorvel_settings_bench.exe; do
    if [ ! -f "$bin/$exe" ]; then
        echo "bench: $bin/$exe is missing; build the win64 preset first" >&2
        exit 1
    fi
done
echo "machine: $(nproc) processors, $(wine --version 2>/dev/null | head -n1)"
"$root/scripts/wine-run.sh" "$bin/zorvel_bench.exe" "$@"
echo
"$root/scripts/wine-run.sh" "$bin/zorvel_settings_bench.exe" "$@"
