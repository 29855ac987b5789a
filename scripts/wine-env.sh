# Sourced by the scripts: one Wine environment for setup, tests and the program.
export WINEDEBUG=-all
# No installer prompts; no menu builder, which Wine starts for every shortcut saved (it reads the new
# file while the program goes on, and makes menu entries on the host for the tests' shortcuts).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32
export WINEPREFIX="${TALLOWMERE_WINEPREFIX:-$HOME/.wine-tallowmere}"

# Runs the set-up when a tool, the prefix or its settings are missing.
ensure_setup() {
  command -v i686-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null \
    && command -v Xvfb >/dev/null && [ -f "$WINEPREFIX/system.reg" ] \
    && grep -qx '"Managed"="N"' "$WINEPREFIX/user.reg" || "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
}
