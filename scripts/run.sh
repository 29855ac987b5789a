#!/usr/bin/env bash
# Builds the program and starts it under Wine. With a display (DISPLAY set) it shows the window
# there until you close it; without one it runs on a virtual display, saves a screenshot to
# build/screenshot.png after a few seconds, and closes the program.
# The program keeps its _Exports, _Help and _Settings folders in its working folder:
# TALLOWMERE_HOME, by default build/home.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
build="${BUILD_DIR:-$top/build}"
home="${TALLOWMERE_HOME:-$build/home}"

ensure_setup
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Tallowmere
mkdir -p "$home"
cd "$home"

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$build/src/app/Tallowmere.exe"
fi

. "$top/scripts/display.sh"
start_display
trap stop_display EXIT
wine "$build/src/app/Tallowmere.exe" &
sleep "${TALLOWMERE_SCREENSHOT_DELAY:-6}"
import -window root "$build/screenshot.png"
echo "screenshot: $build/screenshot.png"
