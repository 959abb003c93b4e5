#!/usr/bin/env bash
# What the Windows program costs under Wine while a player leaves it be, beside a bare Win32
# window with the same 30 ms timer (bench/win32_floor, the floor any Win32 program stands on
# under Wine), measured in the same run, on a private Xvfb display and a Wine prefix of its own.
# For each program given (default build-win/vandrel.exe) and then the bare window, one after
# the other, each started with --seed 7 at 96 dots per inch:
#   playing   a new game in play, the pointer resting over the board, water every 5 s
#   paused    the pause button clicked, the pointer resting (the bare window: as in playing)
#   moving    the pointer moving over the board all the time (60 moves a second)
# and for each state, over --seconds (10 by default): CPU as a share of one core of the
# program's process (run time of all its threads, from /proc/PID/task/*/schedstat), of the
# prefix's wineserver, which does the program's window and message work, and the program's
# context switches a second (from /proc/PID/task/*/status), the wake-ups. The wineserver is
# started before the first program and stays, so that only its work for the program counts.
# With --runs N the whole sequence runs N times and the table shows the median of each cell.
# Needs build-win/ (scripts/build-windows.sh builds the bare window too).
# Usage: bench/wine-desktop.sh [--seconds N] [--runs N] [--floor PATH] [PROGRAM.exe...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=10
runs=1
floor=build-win/bench/bench_win32_floor.exe
programs=()
while (($#)); do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --floor) floor="$2"; shift 2 ;;
    -*) echo "usage: $0 [--seconds N] [--runs N] [--floor PATH] [PROGRAM.exe...]" >&2; exit 2 ;;
    *) programs+=("$1"); shift ;;
  esac
done
((${#programs[@]})) || programs=(build-win/vandrel.exe)
for file in "${programs[@]}" "$floor"; do
  [[ -f $file ]] || { echo "$file is not built yet (scripts/build-windows.sh)" >&2; exit 1; }
done
for tool in wine Xvfb xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh --windows)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/vandrel-wine-bench-XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
xvfb_pid=""
game_pid=""
mover_pid=""
stop_program() {
  [[ -n $mover_pid ]] && kill "$mover_pid" 2>/dev/null || true
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $game_pid ]] && wait "$game_pid" 2>/dev/null || true
  mover_pid=""
  game_pid=""
}
cleanup() {
  stop_program
  wineserver -k 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

(unset DISPLAY; wineboot --init >/dev/null 2>&1) || { echo "wineboot failed" >&2; exit 1; }
wineserver -w
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
xdotool mousemove 1000 740
wineserver -p
sleep 1
# The prefix's wineserver, found by the prefix it serves (the launcher that started it is gone).
server_pid=""
for dir in /proc/[0-9]*; do
  [[ $(cat "$dir/comm" 2>/dev/null) == wineserver* ]] || continue
  tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
  server_pid=${dir#/proc/}
done
[[ -n $server_pid && -d /proc/$server_pid ]] || { echo "no wineserver for $WINEPREFIX" >&2; exit 1; }
echo "wineserver: process $server_pid ($(cat /proc/$server_pid/comm))"

# shellcheck source=scripts/desktop-probes.sh
source scripts/desktop-probes.sh
# Starts a copy of the program in a folder of its own and waits for its window "Vandrel"; the
# client area is the frame's 479 x 458 at the bottom of the window's X window (no window
# manager draws a frame around it).
start_program() {
  local start name
  name=$(basename "$1")
  mkdir -p "$work/run"
  rm -f "$work/run/list.txt"
  cp "$1" "$work/run/$name"
  start=$(ms_now)
  (cd "$work/run" && exec wine "$name" --seed 7 >"$work/out.txt" 2>&1) &
  game_pid=$!
  until xwininfo -name Vandrel 2>/dev/null | grep -q IsViewable; do
    kill -0 "$game_pid" 2>/dev/null || { echo "$name ended early" >&2; cat "$work/out.txt" >&2; exit 1; }
    (($(ms_now) - start > 30000)) && { echo "no window Vandrel of $name after 30 s" >&2; exit 1; }
    sleep 0.05
  done
  read -r win_x win_y win_h < <(xwininfo -name Vandrel | awk '/Absolute upper-left X/ {x=$NF}
    /Absolute upper-left Y/ {y=$NF} /Height:/ {h=$NF} END {print x, y, h}')
  client_x=$win_x
  client_y=$((win_y + win_h - 458))
}

# Measures for $seconds; appends "cpu%:server cpu%:switches/s" to results[program,state].
declare -A results
measure() {
  local key="$1" t0 t1 c0 c1 w0 w1 s0 s1
  c0=$(cpu_ns "$game_pid"); w0=$(cpu_ns "$server_pid"); s0=$(switches "$game_pid"); t0=$(ms_now)
  sleep "$seconds"
  c1=$(cpu_ns "$game_pid"); w1=$(cpu_ns "$server_pid"); s1=$(switches "$game_pid"); t1=$(ms_now)
  [[ -d /proc/$server_pid ]] || { echo "the wineserver $server_pid went away" >&2; exit 1; }
  results[$key]+="$(awk -v c="$((c1 - c0))" -v w="$((w1 - w0))" -v s="$((s1 - s0))" \
    -v ms="$((t1 - t0))" 'BEGIN { printf "%.2f:%.2f:%.1f ", 100 * c / 1e6 / ms, 100 * w / 1e6 / ms, s / (ms / 1000) }')"
}


# playing, paused, moving, for a program; the bare window has no pause.
measure_program() {
  local name="$1" bare="$2"
  xdotool mousemove $(at 232 232)
  sleep 2
  measure "$name,playing"
  if ((bare)); then
    measure "$name,paused"
  else
    click_at 185 30                      # the pause button
    xdotool mousemove $(at 232 232)
    sleep 1
    measure "$name,paused"
    click_at 232 232                     # a click resumes
  fi
  move_pointer
  sleep 0.5
  measure "$name,moving"
  kill "$mover_pid" 2>/dev/null || true
  mover_pid=""
}

names=()
for program in "${programs[@]}" "$floor"; do names+=("$(basename "$program")"); done
# The prefix's desktop process (explorer.exe) goes a moment after the last window; a program
# started while it goes finds no desktop, so the next one waits for it to be gone.
wait_for_desktop_to_go() {
  local busy
  for _ in $(seq 1 100); do
    busy=0
    for dir in /proc/[0-9]*; do
      [[ $(cat "$dir/comm" 2>/dev/null) == explorer.exe ]] || continue
      tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && busy=1
    done
    ((busy)) || return 0
    sleep 0.1
  done
}

for ((run = 1; run <= runs; ++run)); do
  for program in "${programs[@]}" "$floor"; do
    start_program "$program"
    measure_program "$(basename "$program")" "$([[ $program == "$floor" ]] && echo 1 || echo 0)"
    stop_program
    wait_for_desktop_to_go
  done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
range() { tr ' ' '\n' | grep -v '^$' | sort -g | awk 'NR == 1 {low = $1} {high = $1} END {print low "-" high}'; }
column_of() { tr ' ' '\n' | grep -v '^$' | cut -d: -f"$1" | tr '\n' ' '; }
echo
echo "Wine $(wine --version 2>/dev/null), $runs run(s) of $seconds s per state: medians, and the"
echo "range of the program's CPU share over the runs"
printf '| %-24s | %-8s | %8s | %13s | %14s | %10s |\n' "Program" "State" "CPU %" "CPU % range" \
  "wineserver %" "switches/s"
printf '|%s|%s|%s|%s|%s|%s|\n' "--------------------------" "----------" "----------" \
  "---------------" "----------------" "------------"
for name in "${names[@]}"; do
  for state in playing paused moving; do
    cells="${results[$name,$state]}"
    printf '| %-24s | %-8s | %8s | %13s | %14s | %10s |\n' "$name" "$state" \
      "$(echo "$cells" | column_of 1 | median)" "$(echo "$cells" | column_of 1 | range)" \
      "$(echo "$cells" | column_of 2 | median)" "$(echo "$cells" | column_of 3 | median)"
  done
done
