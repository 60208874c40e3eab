#!/usr/bin/env bash
# Installs what the build and the tests need, only when it is missing.
# Usage: deps.sh [pictures] [fuzz]   (extras for the screenshots and the fuzzer)
set -eu
need=()
have() { command -v "$1" >/dev/null 2>&1; }
package() { dpkg -s "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have g++ || need+=(g++)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix)
have x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
have wine || need+=(wine wine64)
have Xvfb || need+=(xvfb)
have xdpyinfo || need+=(x11-utils)
package libgtest-dev || need+=(libgtest-dev)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
for extra in "$@"; do
    case $extra in
        pictures) package imagemagick || need+=(imagemagick) ;;
        fuzz) have clang++ || need+=(clang) ;;
    esac
done
[ ${#need[@]} -eq 0 ] && exit 0
echo "Installing: ${need[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${need[@]}" >/dev/null
