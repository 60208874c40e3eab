#!/usr/bin/env bash
# Runs the reaction and close benchmarks of this build with this build's Zorvel.exe and then
# with another commit's, one after the other, to put an earlier engine beside today's under
# the same measures and the same load.
# Usage: bench/against.sh COMMIT [scale [part]]   (this build's win64 preset must be built)
#   part: one measure only (latency, responsiveness, sweep, focus, refusing, once, flood)
#   ZORVEL_BENCH_BUSY=N: N processes (`yes`) keep processors busy for the whole run
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse --short "${1:?usage: bench/against.sh COMMIT [scale [part]]}")
shift
work=$(mktemp -d)
busy=()
cleanup() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
    git -C "$root" worktree remove --force "$work/src" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
git -C "$root" worktree add --detach "$work/src" "$commit" >/dev/null
(cd "$work/src" && cmake --preset win64 >/dev/null && cmake --build build/win64 --target Zorvel >/dev/null)
mkdir "$work/this" "$work/other"
cp "$root/build/win64/bin/Zorvel.exe" "$work/this/"
cp "$work/src/build/win64/bin/Zorvel.exe" "$work/other/"
for dir in "$work/this" "$work/other"; do
    for exe in zorvel_reaction_bench.exe zorvel_close_bench.exe zorvel_helper.exe; do
        cp "$root/build/win64/bin/$exe" "$dir/"
    done
done
for _ in $(seq "${ZORVEL_BENCH_BUSY:-0}"); do
    yes >/dev/null &
    busy+=($!)
done
export ZORVEL_WINEPREFIX=$work/prefix  # one for both sides
echo "busy processes: ${#busy[@]}; load $(cut -d' ' -f1-3 /proc/loadavg)"
for side in this other; do
    if [ $side = this ]; then
        echo "== Zorvel.exe of this build ($(git -C "$root" describe --always --dirty))"
    else
        echo "== Zorvel.exe of $commit"
    fi
    "$root/scripts/wine-run.sh" "$work/$side/zorvel_reaction_bench.exe" "$@"
    "$root/scripts/wine-run.sh" "$work/$side/zorvel_close_bench.exe" "$@"
done
