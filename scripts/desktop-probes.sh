# Shell functions shared by the desktop measurements (scripts/measure-desktop.sh,
# bench/wine-desktop.sh); sourced, not run. They expect client_x and client_y (the game's client
# area on the screen) and seconds (the length of one measurement) to be set by the caller.

ms_now() { date +%s%3N; }

# Client pixel to screen pixel.
at() { echo "$((client_x + $1)) $((client_y + $2))"; }
click_at() { xdotool mousemove $(at "$1" "$2") click 1; }

# CPU time in ns and context switches of a process, summed over its threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f", s}'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {s += $2} END {print s + 0}'; }

# The pointer circles over the board, one move every 16 ms, for the measured time and a bit;
# mover_pid is the process moving it.
move_pointer() {
  local n=$((seconds * 62 + 120)) args=() i x y
  for ((i = 0; i < n; ++i)); do
    x=$((232 + (i % 120 < 60 ? i % 60 : 60 - i % 60) * 2))
    y=$((232 + (i % 90 < 45 ? i % 45 : 45 - i % 45) * 2))
    args+=(mousemove $(at "$x" "$y") sleep 0.016)
  done
  xdotool "${args[@]}" &
  mover_pid=$!
}
