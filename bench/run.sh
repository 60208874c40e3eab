#!/usr/bin/env bash
# Runs the benchmarks, already built by the win64 preset, under Wine and prints their tables.
# Usage: bench/run.sh [runs [scale [seconds]]]   runs: the sweep's ticks, the settings' and
# the record's runs; scale shortens the reaction and close benchmarks (1 = 200 pop-ups,
# 30 s probes, 50 slow pop-ups);
# seconds of idle time measured (60). ZORVEL_BENCH_DIR names another build's bin directory.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${ZORVEL_BENCH_DIR:-$root/build/win64/bin}
for exe in zorvel_bench.exe zorvel_settings_bench.exe zorvel_log_bench.exe \
    zorvel_pattern_bench.exe zorvel_reaction_bench.exe zorvel_close_bench.exe \
    zorvel_press_bench.exe zorvel_live_edit_bench.exe; do
    if [ ! -f "$bin/$exe" ]; then
        echo "bench: $bin/$exe is missing; build the win64 preset first" >&2
        exit 1
    fi
done
echo "machine: $(nproc) processors, $(wine --version 2>/dev/null | head -n1), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$root/scripts/wine-run.sh" "$bin/zorvel_bench.exe" ${1:-}
echo
"$root/scripts/wine-run.sh" "$bin/zorvel_settings_bench.exe" ${1:-}
echo
"$root/scripts/wine-run.sh" "$bin/zorvel_log_bench.exe" ${1:-}
"$root/scripts/wine-run.sh" "$bin/zorvel_pattern_bench.exe"
"$root/scripts/wine-run.sh" "$bin/zorvel_reaction_bench.exe" ${2:-}
"$root/scripts/wine-run.sh" "$bin/zorvel_close_bench.exe" ${2:-}
"$root/scripts/wine-run.sh" "$bin/zorvel_press_bench.exe"
"$root/scripts/wine-run.sh" "$bin/zorvel_live_edit_bench.exe"
"$root/bench/idle.sh" ${3:-}
