# Sourced by the scripts: a virtual X display and a warm Wine server for one run, and their end.
start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    display_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    break
  done
  # A warm server makes every Wine start cheap; -p keeps it until stop_display.
  # A server left running for this prefix (a program started by hand) knows no display: end it first.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p
  # The first start launches Wine's own background processes; started here with no pipes of ours,
  # they cannot keep a test's output open after the test has ended.
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}

stop_display() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ -n "${display_pid:-}" ] && kill "$display_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
