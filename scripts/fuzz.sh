#!/usr/bin/env bash
# Builds the settings-load fuzz target with clang and runs it for a bounded time over a copy
# of the seed corpus (the seeds in the repository stay as they are). Installs nothing.
# FUZZ_SECONDS (default 60) bounds the run; FUZZ_BUILD picks the build directory.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-$top/build/fuzz}

command -v clang++ >/dev/null || { echo "fuzz: clang++ is needed" >&2; exit 1; }
cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZORVEL_FUZZ=ON -DZORVEL_TESTS=OFF >/dev/null
cmake --build "$build" --target settings_load_fuzz -j2

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$top"/tests/fuzz/corpus/* "$corpus"/
mkdir -p "$build/findings"

echo "fuzz: running settings_load_fuzz for ${seconds} s"
status=0
"$build/tests/fuzz/settings_load_fuzz" "$corpus" -max_total_time="$seconds" -max_len=4096 \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/" \
    2>"$build/fuzz.log" || status=$?
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done ' "$build/fuzz.log" || true
echo "fuzz: corpus grew from $(ls "$top"/tests/fuzz/corpus | wc -l) to $(ls "$corpus" | wc -l) inputs"
if [ "$status" -ne 0 ]; then
    tail -n 40 "$build/fuzz.log" >&2
    echo "fuzz: FAILED (exit $status); the input is in $build/findings/, the log in $build/fuzz.log" >&2
    exit "$status"
fi
echo "fuzz: no crash, no hang (log: $build/fuzz.log)"
