#!/usr/bin/env bash
# Places where a save must fail, for the end-to-end tests: an immutable Zorvel.ini, and one
# on a tiny file system that is full. Usage: faults.sh setup DIR ZORVEL_EXE | faults.sh cleanup DIR
# Where the machine does not allow a step (no chattr, no mount rights), that place is left
# out; the tests find it missing and say why they skip.
set -u
what=$1
root=$2
settings=$'[OPTIUNI]\r\nInterval_de_timp=3\r\nNr_ferestre=1\r\n[FERESTRE_DE_INCHIS]\r\nCaption1=Vechi\r\n'

cleanup() {
    chattr -i "$root/immutable/Zorvel.ini" 2>/dev/null
    mountpoint -q "$root/full" && umount "$root/full"
    rm -rf "$root"
}

setup() {
    local exe=$1
    mkdir -p "$root/immutable" "$root/full"
    cp "$exe" "$root/immutable/"
    printf '%s' "$settings" >"$root/immutable/Zorvel.ini"
    chattr +i "$root/immutable/Zorvel.ini" 2>/dev/null || rm -f "$root/immutable/Zorvel.ini"
    if mount -t tmpfs -o size=512k zorvel-full "$root/full" 2>/dev/null; then
        cp "$exe" "$root/full/"
        printf '%s' "$settings" >"$root/full/Zorvel.ini"
        dd if=/dev/zero of="$root/full/filler" bs=4k 2>/dev/null
    fi
}

case $what in
    setup) cleanup; setup "$3" ;;
    cleanup) cleanup ;;
esac
exit 0
