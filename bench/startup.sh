#!/usr/bin/env bash
# Starts the built game N times on a private Xvfb display and reports, for each start and as
# the median, the time from the exec of the program to its window being mapped, and to the
# first frame of the game being painted in it.
#
# What is measured, and how:
#   map    The time from just before the exec (the launching shell's $EPOCHREALTIME, taken in
#          the process that then becomes the game) to the X server reporting the MapNotify of
#          the game's top-level window. An `xev -root -event substructure` started before the
#          game reports the event as the server sends it; a shell loop stamps each line with
#          $EPOCHREALTIME as it arrives. Nothing polls the server or spawns a process while the
#          game starts. On a display without a window manager the mapped top-level window is
#          viewable (IsViewable) at once, so this is the time the window appears.
#   frame  The time to the first paint of the game's client area that shows a frame, as the
#          program itself reports it with VANDREL_REPORT_STARTUP set (the wall clock of the
#          machine, compared with the same exec stamp). The pixels reach the server right after.
# Each start is given --settle seconds (1 by default) before it is ended and its results read.
# With --stages the median of every stage the program reports is listed too.
# Usage: bench/startup.sh [--program PATH] [--starts N] [--stages] [--settle S] [-- GAME ARGUMENTS]
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/vandrel
starts=10
stages=0
settle=1
game_args=(--seed 7)
while (($#)); do
  case "$1" in
    --program) program="$2"; shift 2 ;;
    --starts) starts="$2"; shift 2 ;;
    --stages) stages=1; shift ;;
    --settle) settle="$2"; shift 2 ;;
    --) shift; game_args=("$@"); break ;;
    *) echo "usage: $0 [--program PATH] [--starts N] [--stages] [--settle S] [-- GAME ARGUMENTS]" >&2; exit 2 ;;
  esac
done
[[ -x "$program" ]] || { echo "$program is not built yet" >&2; exit 1; }
for tool in Xvfb xev; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh --desktop-tools)" >&2; exit 1; }
done

# The game writes list.txt beside its executable: run a copy in a folder of its own.
work=$(mktemp -d)
xvfb_pid=""
watch_pid=""
cleanup() {
  [[ -n "$watch_pid" ]] && kill "$watch_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$program" "$work/vandrel"
[[ -d "$(dirname "$program")/help" ]] && cp -r "$(dirname "$program")/help" "$work/"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

# The watcher: every structure event of the root's children, each line stamped on arrival.
coproc WATCH { exec xev -root -event substructure; }
watch_pid=$WATCH_PID
exec {events}<&"${WATCH[0]}"
stamp_events() {
  while IFS= read -r line <&"$events"; do echo "$EPOCHREALTIME $line"; done >>"$work/events.txt"
}
stamp_events &
stamper_pid=$!
sleep 0.3

us_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) * 1000 }'; }
median() {
  tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR] = $1} END {
    if (NR == 0) print "n/a"; else print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

maps="" frames=""
declare -A stage_times stage_faults stage_cpu
stage_order=()
for ((run = 1; run <= starts; ++run)); do
  rm -f "$work/list.txt"
  : >"$work/events.txt"
  (
    cd "$work"
    export VANDREL_REPORT_STARTUP=1
    echo "$EPOCHREALTIME" >"$work/exec.txt"
    exec ./vandrel "${game_args[@]}" 2>"$work/stages.txt" >/dev/null
  ) &
  game_pid=$!
  # Nothing runs beside the game and the watcher while it starts: the results are read after.
  sleep "$settle"
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  t0=$(cat "$work/exec.txt")
  map_at=$(awk '/MapNotify/ {print $1; exit}' "$work/events.txt")
  [[ -n "$map_at" ]] || { echo "run $run: no window was mapped" >&2; cat "$work/stages.txt" >&2; exit 1; }
  map_ms=$(us_between "$t0" "$map_at")
  frame_ms=$(awk -v t0="$t0" '/^vandrel start-up: painted / {printf "%.1f", ($NF / 1e6 - t0) * 1000; exit}' "$work/stages.txt")
  echo "start $run: window mapped after $map_ms ms, first frame painted after ${frame_ms:-?} ms"
  maps+="$map_ms "
  frames+="$frame_ms "
  while read -r stage cpu faults wall; do
    [[ -v stage_times[$stage] ]] || stage_order+=("$stage")
    stage_times[$stage]+="$(us_between "$t0" "$(awk -v w="$wall" 'BEGIN { printf "%.6f", w / 1e6 }')") "
    stage_faults[$stage]+="$faults "
    stage_cpu[$stage]+="$cpu "
  done < <(sed -n 's/^vandrel start-up: \(.*\) [0-9.]* ms, cpu \([0-9.]*\) ms, \([0-9]*\) page faults, wall \([0-9]*\)$/\1\t\2\t\3\t\4/p' \
             "$work/stages.txt" | awk -F'\t' '!seen[$1]++ { gsub(/ /, "_", $1); print $1, $2, $3, $4 }')
done
kill "$stamper_pid" 2>/dev/null || true

echo
echo "$program, $starts starts, ms from exec (median): window mapped $(echo "$maps" | median)," \
  "first frame painted $(echo "$frames" | median)"
if ((stages)); then
  echo "stages, the first time each is reached (medians): ms from exec, CPU ms of the GUI thread,"
  echo "page faults of the process"
  for stage in "${stage_order[@]}"; do
    printf '  %-16s %8s %8s %8s\n' "$stage" "$(echo "${stage_times[$stage]}" | median)" \
      "$(echo "${stage_cpu[$stage]}" | median)" "$(echo "${stage_faults[$stage]}" | median)"
  done
fi
