#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix on a private virtual display.
# Usage: wine-run.sh program.exe [args...]
# ZORVEL_DISPLAY=:N uses that display instead of starting Xvfb (make run on a desktop).
# ZORVEL_WINEPREFIX overrides the prefix (default: .wineprefix beside the program).
set -u
program=$1
shift
dir=$(cd "$(dirname "$program")" && pwd)
export WINEPREFIX=${ZORVEL_WINEPREFIX:-$dir/.wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine)

mkdir -p "$(dirname "$WINEPREFIX")"
# One run at a time per prefix: tests share its wineserver.
exec 8>"$WINEPREFIX.lock"
flock 8

scratch=$(mktemp -d)
xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -n "${ZORVEL_DISPLAY:-}" ]; then
    export DISPLAY=$ZORVEL_DISPLAY
else
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$scratch/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$scratch/display" ] && break
        sleep 0.1
    done
    [ -s "$scratch/display" ] || { echo "wine-run: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$scratch/display")"
fi

if [ ! -f "$WINEPREFIX/.zorvel-ready" ]; then
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine must not wait for one; title bars stay hit-testable.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.zorvel-ready"
fi

"$wine" "$program" "$@"
