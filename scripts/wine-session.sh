# Sourced by the run and test scripts: a display (a private Xvfb when none is
# given) and a persistent wineserver for it, both ended when the script ends.
# The wineserver gets its own output files: ctest would otherwise wait for
# the pipes it inherits to close.
fdt_session_pids=()
fdt_end_session() {
  wineserver -k >/dev/null 2>&1 || true
  for pid in "${fdt_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap fdt_end_session EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$FDT_BUILD/xvfb.log" 2>&1 &
  fdt_session_pids+=($!)
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
fi
# A wineserver left from another display would break the GUI tests.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -p >"$FDT_BUILD/wineserver.log" 2>&1 </dev/null
# Start Wine's own background processes (services, the desktop's explorer)
# now, with their output in a file, so that no test's pipes are held by them.
wine cmd /c exit >"$FDT_BUILD/wine-warmup.log" 2>&1 </dev/null
