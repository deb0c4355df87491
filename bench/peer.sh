#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Globina beside a peer program, measured alike and in turns
# under a virtual X display: the time from launch until the program's first
# window is mapped, and its resident memory once that window has stood for a
# second. Prints min/median/max of each and the ratios of the medians.
#
#   bench/peer.sh [-n RUNS] [-d :DISPLAY] [-g GLOBINA] [PEER_COMMAND [ARGS...]]
#
# The peer is whatever program PEER_COMMAND starts; when it is not given or
# not installed, Globina's figures are reported alone. Needs Xvfb and xdotool;
# openbox is used as window manager when it is there.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNS=10
DISPLAY_NR=""
GLOBINA="$ROOT/build/bin/globina"
while getopts "n:d:g:" opt; do
  case $opt in
    n) RUNS=$OPTARG ;;
    d) DISPLAY_NR=$OPTARG ;;
    g) GLOBINA=$OPTARG ;;
    *) sed -n '2,12p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
PEER=("$@")

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "peer.sh: $tool is not installed" >&2; exit 1; }
done
[ -x "$GLOBINA" ] || { echo "peer.sh: no program at $GLOBINA (build it first)" >&2; exit 1; }

PEER_NAME=""
if [ ${#PEER[@]} -gt 0 ]; then
  if command -v "${PEER[0]}" >/dev/null; then
    PEER_NAME="$(basename "${PEER[0]}")"
  else
    echo "The peer program \"${PEER[0]}\" is not installed: Globina's figures alone."
  fi
else
  echo "No peer program given: Globina's figures alone."
fi

# A display of our own, a work folder, openbox; all stopped at exit.
source "$(dirname "${BASH_SOURCE[0]}")/xdisplay.sh"

# Settings of the runs stay in the scratch folder.
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
export SDL_AUDIODRIVER=dummy

now_us() { echo $(( $(date +%s%N) / 1000 )); }

# One launch: prints "microseconds-to-window resident-kB", or "- -" when no
# window came within 20 seconds.
measure() {
  local start pid waited=0
  start=$(now_us)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ $waited -ge 2000 ]; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo "- -"
      return
    fi
    sleep 0.005
    waited=$((waited + 1))
  done
  local shown=$(( $(now_us) - start ))
  sleep 1
  local rss
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo -)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$shown $rss"
}

: >"$WORK/globina" >"$WORK/peer"
for i in $(seq "$RUNS"); do
  measure "$GLOBINA" >>"$WORK/globina"
  [ -z "$PEER_NAME" ] || measure "${PEER[@]}" >>"$WORK/peer"
  printf '\rrun %d of %d' "$i" "$RUNS" >&2
done
echo >&2

# min median max of one column (1 time in microseconds, 2 memory in kB),
# printed in ms or MB.
stats() {
  awk -v col="$2" '$col != "-" {print $col}' "$1" | sort -n | awk -v div="$3" '
    {v[NR] = $1}
    END {
      if (NR == 0) { print "- - -"; exit }
      med = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%.1f %.1f %.1f\n", v[1] / div, med / div, v[NR] / div
    }'
}

echo "Start-up, $RUNS runs each, taken in turns; Xvfb $DISPLAY_NR 1920x1080, window manager: $WM"
printf '%-16s %28s %28s\n' "" "launch to window, ms" "resident memory, MB"
printf '%-16s %28s %28s\n' "" "min / median / max" "min / median / max"
row() {
  local t1 t2 t3 m1 m2 m3
  read -r t1 t2 t3 <<<"$(stats "$2" 1 1000)"
  read -r m1 m2 m3 <<<"$(stats "$2" 2 1024)"
  printf '%-16s %28s %28s\n' "$1" "$t1 / $t2 / $t3" "$m1 / $m2 / $m3"
}
row "Globina" "$WORK/globina"
if [ -n "$PEER_NAME" ]; then
  row "$PEER_NAME" "$WORK/peer"
  read -r _ gt _ <<<"$(stats "$WORK/globina" 1 1000)"
  read -r _ pt _ <<<"$(stats "$WORK/peer" 1 1000)"
  read -r _ gm _ <<<"$(stats "$WORK/globina" 2 1024)"
  read -r _ pm _ <<<"$(stats "$WORK/peer" 2 1024)"
  awk -v gt="$gt" -v pt="$pt" -v gm="$gm" -v pm="$pm" -v p="$PEER_NAME" 'BEGIN {
    if (pt > 0) printf "Globina / %s, medians: launch to window %.2f, resident memory %.2f\n", p, gt / pt, gm / pm
  }'
fi
failed=$(grep -c '^- ' "$WORK/globina" "$WORK/peer" | awk -F: '{s += $2} END {print s + 0}')
[ "$failed" -eq 0 ] || echo "$failed launches showed no window within 20 s and are left out."
