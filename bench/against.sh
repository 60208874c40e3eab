#!/usr/bin/env bash
# Runs the reaction and close benchmarks of this build against the Zorvel.exe of another
# commit, to put an earlier engine beside today's under the same measures.
# Usage: bench/against.sh COMMIT [scale]   (this build's win64 preset must be built)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse --short "${1:?usage: bench/against.sh COMMIT [scale]}")
work=$(mktemp -d)
trap 'git -C "$root" worktree remove --force "$work/src" >/dev/null 2>&1; rm -rf "$work"' EXIT
git -C "$root" worktree add --detach "$work/src" "$commit" >/dev/null
(cd "$work/src" && cmake --preset win64 >/dev/null && cmake --build build/win64 --target Zorvel >/dev/null)
mkdir "$work/bin"
cp "$work/src/build/win64/bin/Zorvel.exe" "$work/bin/"
for exe in zorvel_reaction_bench.exe zorvel_close_bench.exe zorvel_helper.exe; do
    cp "$root/build/win64/bin/$exe" "$work/bin/"
done
echo "Zorvel.exe of $commit, benchmarks of $(git -C "$root" rev-parse --short HEAD)"
"$root/scripts/wine-run.sh" "$work/bin/zorvel_reaction_bench.exe" ${2:-}
"$root/scripts/wine-run.sh" "$work/bin/zorvel_close_bench.exe" ${2:-}
