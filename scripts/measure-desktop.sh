#!/usr/bin/env bash
# Starts the built game (build/vandrel) on a private Xvfb display and reports how long its
# window titled "Vandrel" takes to appear, then its idle cost while a game sits in Playing:
# CPU as a share of one core (from /proc/PID/stat) and resident memory (from /proc/PID/status).
# With --screenshot FILE it also saves a PNG of the window a second after it appeared, before the
# first water step (ImageMagick's import).
# Usage: scripts/measure-desktop.sh [--idle SECONDS] [--screenshot FILE]
set -euo pipefail
cd "$(dirname "$0")/.."

idle=20
screenshot=""
while (($#)); do
  case "$1" in
    --idle) idle="$2"; shift 2 ;;
    --screenshot) screenshot="$2"; shift 2 ;;
    *) echo "usage: $0 [--idle SECONDS] [--screenshot FILE]" >&2; exit 2 ;;
  esac
done
scripts/install-deps.sh --desktop-tools
[[ -x build/vandrel ]] || { echo "build/vandrel is not built yet" >&2; exit 1; }

# The game writes list.txt beside its executable: run a copy in a folder of its own.
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp build/vandrel "$work/"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

ms_now() { date +%s%3N; }
start=$(ms_now)
"$work/vandrel" >"$work/out.txt" 2>&1 &
game_pid=$!
until xwininfo -name Vandrel 2>/dev/null | grep -q "IsViewable"; do
  kill -0 "$game_pid" 2>/dev/null || { echo "the game ended early:" >&2; cat "$work/out.txt" >&2; exit 1; }
  (( $(ms_now) - start > 10000 )) && { echo "no window titled Vandrel after 10 s" >&2; exit 1; }
  sleep 0.01
done
echo "window \"Vandrel\" visible after $(( $(ms_now) - start )) ms"

sleep 1  # let start-up settle; the first water step comes 5 s after the start
if [[ -n "$screenshot" ]]; then
  geometry=$(xwininfo -name Vandrel | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%dx%d+%d+%d", w, h, x, y}')
  import -window root -crop "$geometry" +repage "$screenshot"
  echo "screenshot of the window ($geometry) in $screenshot"
fi

ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
t0=$(ms_now)
sleep "$idle"
after=$(ticks)
t1=$(ms_now)
awk -v d="$((after - before))" -v hz="$hz" -v ms="$((t1 - t0))" \
  'BEGIN { printf "idle CPU over %.1f s: %.2f %% of one core\n", ms / 1000, 100 * d / hz / (ms / 1000) }'
grep -E '^(VmRSS|VmHWM)' "/proc/$game_pid/status"
