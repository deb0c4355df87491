# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks that run the program under a virtual X display:
# a display of their own (the first free one from :90 on, unless DISPLAY_NR
# is set), a work folder $WORK, openbox as window manager where it is there
# ($WM says which), and everything started through PIDS stopped at exit.
if [ -z "${DISPLAY_NR:-}" ]; then
  for n in $(seq 90 119); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { DISPLAY_NR=":$n"; break; }
  done
fi
WORK="$(mktemp -d)"
PIDS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb "$DISPLAY_NR" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$! # the X server, whose processor time a benchmark may count
PIDS+=("$XPID")
export DISPLAY="$DISPLAY_NR"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
WM="none"
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  PIDS+=($!)
  WM="openbox"
  sleep 0.5
fi
