#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a wrong click costs the whole stack: the processor time of Globina and
# of the X server together, per click, while "Countries of Europe" fills a
# 1920x1080 virtual screen under openbox. Each round starts the program,
# starts the game and clicks 40 times on one country at a steady pace (most
# clicks are wrong; a right one only moves on to the next question); the
# time is read from /proc before and after the clicks. Prints each round and
# the median, with sound on and with sound off.
#
#   bench/clicks.sh [-r ROUNDS] [-g GLOBINA]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ROUNDS=3
GLOBINA="$ROOT/build/bin/globina"
CLICKS=40
while getopts "r:g:" opt; do
  case $opt in
    r) ROUNDS=$OPTARG ;;
    g) GLOBINA=$OPTARG ;;
    *) sed -n '2,11p' "$0"; exit 2 ;;
  esac
done
for tool in Xvfb xdotool openbox; do
  command -v "$tool" >/dev/null || { echo "clicks.sh: $tool is not installed" >&2; exit 1; }
done
[ -x "$GLOBINA" ] || { echo "clicks.sh: no program at $GLOBINA (build it first)" >&2; exit 1; }

# A display of our own, a work folder, openbox; all stopped at exit.
source "$(dirname "${BASH_SOURCE[0]}")/xdisplay.sh"
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

# Processor time of a process in clock ticks (user + system).
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

round() { # sound 1|0 -> ms per click
  printf '[Options]\nSounds=%s\nMusic=0\n' "$1" >"$XDG_CONFIG_HOME/Globina.conf"
  (cd "$WORK" && exec "$GLOBINA") >/dev/null 2>&1 &
  local pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.05; done
  sleep 1
  # The menu stands in the middle of the screen: the first exercise, Start.
  xdotool mousemove 1013 421 click 1
  sleep 0.3
  xdotool mousemove 906 691 click 1
  sleep 3
  local g0 x0 g1 x1
  g0=$(ticks "$pid") x0=$(ticks "$XPID")
  for _ in $(seq "$CLICKS"); do
    xdotool mousemove 554 831 click 1 # Spain at the game's own view
    sleep 0.5
  done
  g1=$(ticks "$pid") x1=$(ticks "$XPID")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  local hz
  hz=$(getconf CLK_TCK)
  awk -v t=$((g1 - g0 + x1 - x0)) -v hz="$hz" -v n="$CLICKS" 'BEGIN {printf "%.2f\n", t * 1000 / hz / n}'
}

median() { sort -n | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

for sound in 1 0; do
  : >"$WORK/r"
  for i in $(seq "$ROUNDS"); do round "$sound" | tee -a "$WORK/r" >/dev/null; done
  label=$([ "$sound" = 1 ] && echo "sound on" || echo "sound off")
  printf '%-10s rounds (ms per click): %s  median %s\n' "$label" "$(tr '\n' ' ' <"$WORK/r")" "$(median <"$WORK/r")"
done
