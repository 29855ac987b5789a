# Sourced by the scripts: one Wine environment for setup, tests and the program.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
export WINEPREFIX="${TALLOWMERE_WINEPREFIX:-$HOME/.wine-tallowmere}"
