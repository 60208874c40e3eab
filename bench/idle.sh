#!/usr/bin/env bash
# Zorvel's processor time while nothing happens, read by Linux from /proc (Wine's own
# accounting of another process is not to be trusted): with instant closing on (interval
# 30 s, one caption) and off (interval 0). Usage: bench/idle.sh [seconds]   (60 unless told)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
work=$(mktemp -d)
display_file=$work/display
cleanup() {
    WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1 || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cp -a "$root/build/win64/bin/.wineprefix" "$work/prefix"
cp "$root/build/win64/bin/Zorvel.exe" "$work/"
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$display_file")" WINEPREFIX=$work/prefix WINEDEBUG=-all
wine=$(command -v wine64 || command -v wine)
ticks() { local a; read -ra a <"/proc/$1/stat"; echo $((a[13] + a[14])); }
for interval in 30 0; do
    printf '[OPTIUNI]\r\nInterval_de_timp=%s\r\nNr_ferestre=1\r\n[FERESTRE_DE_INCHIS]\r\nCaption1=Reclama de proba\r\n' \
        "$interval" >"$work/Zorvel.ini"
    "$wine" "$work/Zorvel.exe" &
    pid=""
    for _ in $(seq 100); do
        pid=$(pgrep -f "$work/Zorvel.exe" | head -n1 || true)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    sleep 5  # start-up is not idle time
    before=$(ticks "$pid")
    sleep "$seconds"
    after=$(ticks "$pid")
    echo "idle over ${seconds} s, interval ${interval} s: $((after - before)) ticks of 10 ms"
    kill "$pid"
    wineserver -w 2>/dev/null || true
done
