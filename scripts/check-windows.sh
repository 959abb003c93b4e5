#!/usr/bin/env bash
# Smoke test of the Windows program under Wine, on a private Xvfb display inside a Wine virtual
# desktop: vandrel.exe --seed N shows its window; the window's client area equals the frame
# vandrel-play.exe composes for the same seed everywhere outside the score text; a click on a
# square next to the source lays the carried piece there, as in vandrel-play; the Space key
# (an accelerator from the menu's key table) pauses the game as vandrel-play's pause does; Esc
# ends the
# program and leaves list.txt beside the .exe in GB18030. The display, the Wine prefix and
# every file it makes are its own and go at the end.
# Needs build-win/ (scripts/build-windows.sh). Usage: scripts/check-windows.sh [SEED]
# With VANDREL_WINE_PREFIX naming a prefix its caller made (and removes), that one serves.
set -euo pipefail
cd "$(dirname "$0")/.."
seed=${1:-7}
exe=build-win/vandrel.exe
player=build-win/tools/vandrel-play.exe

work=$(mktemp -d /tmp/vandrel-check-XXXXXX)
prefix=${VANDREL_WINE_PREFIX:-$work/prefix}
xvfb_pid=""
game_pid=""
cleanup() {
  if [[ -n $game_pid ]]; then kill "$game_pid" 2>/dev/null || true; fi
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [[ -n ${KEEP_CHECK:-} ]]; then echo "kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
  echo "check-windows: $*" >&2
  exit 1
}
now() { date +%s%N; }
ms_since() { echo $((($(now) - $1) / 1000000)); }

# A fresh prefix, made without a display so that no installer asks anything; Wine's own
# browser and .NET stay out of it.
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
unset DISPLAY
if [[ -z ${VANDREL_WINE_PREFIX:-} ]]; then
  wineboot --init >/dev/null 2>&1 || fail "wineboot failed"
fi
wineserver -w

# The game's folder, and the frames of vandrel-play for the same seed.
mkdir -p "$work/game"
cp "$exe" "$work/game/"
[[ -d build-win/help ]] && cp -r build-win/help "$work/game/"
board=$(printf 'seed %s\nnew\nboard\n' "$seed" | wine "$player" | grep -E '^ [ .]')
read -r col row < <(echo "$board" | awk '{ i = index($0, "S"); if (i) { print int((i - 1) / 3), NR - 1; exit } }')
[[ -n ${col:-} ]] || fail "no source on the board of seed $seed"
target=$((col > 0 ? col - 1 : col + 1))
click_x=$((80 + 19 * target + 9))
click_y=$((80 + 19 * row + 9))
# Keys go to the X window under the pointer (there is no window manager): they are pressed with
# the pointer on the game's client area, away from the board, at (470, 450).
pause_id=$(grep -oE 'ID_GAME_PAUSE = [0-9]+' res/resource_ids.h | grep -oE '[0-9]+$')
printf 'seed %s\nnew\nframe Z:%s\nclick %s %s\nmove 700 700\nframe Z:%s\nmove 470 450\nmenu %s\nframe Z:%s\n' \
  "$seed" "$work/start.png" "$click_x" "$click_y" "$work/laid.png" "$pause_id" "$work/paused.png" |
  wine "$player" >/dev/null ||
  fail "vandrel-play.exe could not write its frames"

# The display, with the pointer parked outside the game window.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
xdotool mousemove 790 590

# Start, and wait for the window.
started=$(now)
(cd "$work/game" && exec wine explorer /desktop=vandrel,800x600 vandrel.exe --seed "$seed") \
  >"$work/wine.log" 2>&1 &
game_pid=$!
geometry=""
window_geometry() {
  xwininfo -root -tree 2>/dev/null | grep -oE '"Vandrel": \("vandrel.exe"[^)]*\)  [0-9]+x[0-9]+\+[0-9]+\+[0-9]+' | grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$' || true
}
for _ in $(seq 1 300); do
  geometry=$(window_geometry)
  [[ -n $geometry ]] && break
  sleep 0.1
done
[[ -n $geometry ]] || fail "the game window did not appear"
echo "window after $(ms_since "$started") ms ($geometry)"
# A window seen at once may not have its menu yet (on a busy machine): its size is read again
# once it has settled.
sleep 1
geometry=$(window_geometry)

# The client area: 479 x 458 at the bottom of the window, inside its frame.
IFS='x+' read -r width height left top <<<"$geometry"
border=$(((width - 479) / 2))
client="479x458+$((left + border))+$((top + height - 458 - border))"
shoot() { import -window root -crop "$client" +repage "$work/$1.png"; }
# The score's text is drawn by each system's own fonts: it is left out of the comparison.
differing() {
  convert "$1" -fill black -draw 'rectangle 180,20 383,79' "$work/masked-1.png"
  convert "$2" -fill black -draw 'rectangle 180,20 383,79' "$work/masked-2.png"
  compare -metric AE "$work/masked-1.png" "$work/masked-2.png" "$work/difference.png" 2>&1 || true
}
shoot window-start
pixels=$(differing "$work/window-start.png" "$work/start.png")
[[ $pixels == 0 ]] || fail "the window's first frame differs from vandrel-play's in $pixels pixels"
echo "first frame: equal to vandrel-play's outside the score"

# A click beside the source, then the pointer away from the window again.
read -r client_left client_top <<<"$(echo "$client" | awk -F+ '{ print $2, $3 }')"
xdotool mousemove $((client_left + click_x)) $((client_top + click_y)) click 1
sleep 0.3
xdotool mousemove 790 590
sleep 0.5
shoot window-laid
pixels=$(differing "$work/window-laid.png" "$work/laid.png")
[[ $pixels == 0 ]] || fail "after the click the window differs from vandrel-play's frame in $pixels pixels"
echo "click at square ($target, $row): the piece lies there as in vandrel-play"

# Space pauses the game.
xdotool mousemove $((client_left + 470)) $((client_top + 450))
sleep 0.2
xdotool key space
sleep 0.5
shoot window-paused
pixels=$(differing "$work/window-paused.png" "$work/paused.png")
[[ $pixels == 0 ]] || fail "after Space the window differs from vandrel-play's paused frame in $pixels pixels"
echo "Space: the game pauses as in vandrel-play"

# Esc ends the program, which writes list.txt beside itself; the virtual desktop goes with
# its last window.
stopping=$(now)
xdotool key Escape
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Vandrel": ("vandrel.exe"' || break
  sleep 0.1
done
xwininfo -root -tree 2>/dev/null | grep -q '"Vandrel": ("vandrel.exe"' && fail "Esc did not close the window"
echo "Esc: window closed after $(ms_since "$stopping") ms"
for _ in $(seq 1 300); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the program did not end"
game_pid=""
[[ -f $work/game/list.txt ]] || fail "no list.txt beside the program"
first=$(head -c 6 "$work/game/list.txt" | od -An -tx1 | tr -d ' \n')
[[ $first == d8fdc3fb0d0a ]] || fail "list.txt does not start with the default name in GB18030: $first"
echo "list.txt: $(wc -c <"$work/game/list.txt") bytes, GB18030 with CR LF"
echo "check-windows: passed"
