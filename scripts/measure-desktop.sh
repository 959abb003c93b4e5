#!/usr/bin/env bash
# Starts the built game on a private Xvfb display and reports how long its window titled
# "Vandrel" takes to appear, then what the game costs in each state a player leaves it in:
# CPU as a share of one core (run time of all its threads in nanoseconds, from
# /proc/PID/task/*/schedstat) and wake-ups a second (context switches of all its threads, from
# /proc/PID/task/*/status). The pointer and the buttons are driven with
# xdotool. States, each measured for the same time:
#   playing        a new game in play, the pointer resting over the board, water every 5 s
#   paused         the pause button clicked, the pointer resting
#   pointer moving the game resumed, the pointer moving over the board all the time (60 moves/s)
#   fast-forward   the fast-forward button clicked: a water step every 30 ms
#   replay         the worked example opened and fast-forwarded to its end, the end-of-game
#                  boxes answered: the finished network replays every 30 ms
# With --runs N the whole sequence runs N times and the table shows the median of each cell.
# With --screenshot FILE it also saves a PNG of the window a second after it appeared (ImageMagick).
# Usage: scripts/measure-desktop.sh [--program PATH] [--seconds N] [--runs N] [--screenshot FILE]
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/vandrel
seconds=20
runs=1
screenshot=""
while (($#)); do
  case "$1" in
    --program) program="$2"; shift 2 ;;
    --seconds|--idle) seconds="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --screenshot) screenshot="$2"; shift 2 ;;
    *) echo "usage: $0 [--program PATH] [--seconds N] [--runs N] [--screenshot FILE]" >&2; exit 2 ;;
  esac
done
scripts/install-deps.sh --desktop-tools
[[ -x "$program" ]] || { echo "$program is not built yet" >&2; exit 1; }

# The game writes list.txt beside its executable: run a copy in a folder of its own.
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
mover_pid=""
stop_game() {
  [[ -n "$mover_pid" ]] && kill "$mover_pid" 2>/dev/null || true
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$game_pid" ]] && wait "$game_pid" 2>/dev/null || true
  mover_pid=""
  game_pid=""
}
cleanup() {
  stop_game
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$program" "$work/vandrel"
cp tests/data/worked_example.flm "$work/"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

# shellcheck source=scripts/desktop-probes.sh
source scripts/desktop-probes.sh

# Starts the game with the given arguments and waits for its window; prints the start-up time.
start_game() {
  rm -f "$work/list.txt"
  local start
  start=$(ms_now)
  (cd "$work" && exec ./vandrel "$@" >"$work/out.txt" 2>&1) &
  game_pid=$!
  until xwininfo -name Vandrel 2>/dev/null | grep -q "IsViewable"; do
    kill -0 "$game_pid" 2>/dev/null || { echo "the game ended early:" >&2; cat "$work/out.txt" >&2; exit 1; }
    (( $(ms_now) - start > 10000 )) && { echo "no window titled Vandrel after 10 s" >&2; exit 1; }
    sleep 0.01
  done
  startup_ms=$(( $(ms_now) - start ))
  # The 479 x 458 game area lies at the bottom of the window, under the menu bar.
  read -r win_x win_y win_h < <(xwininfo -name Vandrel | awk '/Absolute upper-left X/ {x=$NF}
    /Absolute upper-left Y/ {y=$NF} /Height:/ {h=$NF} END {print x, y, h}')
  client_x=$win_x
  client_y=$(( win_y + win_h - 458 ))
}


# Answers every box and dialog the game has open with Enter, until none is left.
answer_boxes() {
  local window
  for _ in 1 2 3 4 5 6; do
    window=$(xwininfo -root -tree | awk '/\("vandrel" "vandrel"\)/ && !/"Vandrel":/ {print $1; exit}')
    [[ -z "$window" ]] && return 0
    xdotool windowfocus --sync "$window" key Return
    sleep 0.5
  done
}


# Measures the game for $seconds; appends "cpu% wakeups/s" to the named state's results.
declare -A results
measure() {
  local state="$1" t0 t1 c0 c1 s0 s1
  c0=$(cpu_ns "$game_pid"); s0=$(switches "$game_pid"); t0=$(ms_now)
  sleep "$seconds"
  c1=$(cpu_ns "$game_pid"); s1=$(switches "$game_pid"); t1=$(ms_now)
  results[$state]+="$(awk -v d="$((c1 - c0))" -v ms="$((t1 - t0))" -v s="$((s1 - s0))" \
    'BEGIN { printf "%.2f:%.0f ", 100 * d / 1e6 / ms, s / (ms / 1000) }')"
}


for ((run = 1; run <= runs; ++run)); do
  start_game --seed 7
  results[startup]+="$startup_ms "
  if [[ -n "$screenshot" && $run == 1 ]]; then
    sleep 1
    geometry=$(xwininfo -name Vandrel | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
      /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%dx%d+%d+%d", w, h, x, y}')
    import -window root -crop "$geometry" +repage "$screenshot"
  fi
  xdotool mousemove $(at 232 232)
  sleep 1
  measure playing
  click_at 185 30                      # the pause button
  xdotool mousemove $(at 232 232)
  sleep 1
  measure paused
  click_at 232 232                     # a click resumes
  move_pointer
  sleep 0.5
  measure moving
  kill "$mover_pid" 2>/dev/null || true
  mover_pid=""
  click_at 165 30                      # the fast-forward button
  xdotool mousemove $(at 232 232)
  sleep 1
  measure fastforward
  grep -E '^(VmRSS|VmHWM)' "/proc/$game_pid/status" | tr -s ' \t' ' ' | tr '\n' ' ' >"$work/memory.txt"
  stop_game

  start_game --seed 7 worked_example.flm
  sleep 1
  answer_boxes                         # the opened game's message
  click_at 165 30                      # fast-forward to the end: 55 steps
  xdotool mousemove $(at 232 232)
  sleep 3
  answer_boxes                         # the final score, the name, the leaderboard
  sleep 1
  measure replay
  stop_game
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
column_of() { tr ' ' '\n' | grep -v '^$' | cut -d: -f"$1" | tr '\n' ' '; }
echo
echo "$program, $runs run(s) of $seconds s per state, median"
echo "window \"Vandrel\" seen by polling xwininfo after $(echo "${results[startup]}" | median) ms" \
  "(runs: ${results[startup]}); bench/startup.sh measures the start without polling"
printf '| %-36s | %8s | %12s |\n' "State" "CPU %" "switches/s"
printf '|%s|%s|%s|\n' "--------------------------------------" "----------" "--------------"
for state in playing paused moving fastforward replay; do
  case "$state" in
    playing) label="Playing, pointer still, water at 5 s" ;;
    paused) label="Paused" ;;
    moving) label="Pointer moving over the board" ;;
    fastforward) label="Fast-forward, water every 30 ms" ;;
    replay) label="Replay after the end of a game" ;;
  esac
  cpu=$(echo "${results[$state]}" | column_of 1 | median)
  wake=$(echo "${results[$state]}" | column_of 2 | median)
  printf '| %-36s | %8s | %12s |\n' "$label" "$cpu" "$wake"
done
echo "memory at the end of the last fast-forward: $(cat "$work/memory.txt")"
