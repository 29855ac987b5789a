#!/usr/bin/env bash
# Sets up when needed, configures, builds and runs every test under Wine on a virtual display.
# Exits non-zero on any failure. BUILD_DIR and TALLOWMERE_WINEPREFIX may be set to keep runs apart.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
build="${BUILD_DIR:-$top/build}"

ensure_setup

. "$top/scripts/display.sh"
. "$top/scripts/volumes.sh"
start_display
trap 'stop_display; stop_volumes' EXIT
start_volumes "$build/volumes"

cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
