#!/usr/bin/env bash
# Installs what the build and the tests need, creates the Wine prefix once and sets it up.
# Safe to run again: every step is skipped when its result is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

packages=(cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest
          wine wine32:i386 wine64 xvfb xauth imagemagick)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# One cold start creates the prefix; parallel first starts race, so it happens here, alone.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init
  wineserver -w
fi

# Wine waits about two seconds for a window manager whenever a window closes, even on a display that
# has none (the tests' virtual one, where many windows close). Unmanaged windows end that wait; Wine
# then draws their frames itself. Set in a new prefix and in one made before.
if ! grep -qx '"Managed"="N"' "$WINEPREFIX/user.reg"; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
  wineserver -w
fi
