#!/usr/bin/env bash
# Smoke test of the Windows program under Wine, on a private Xvfb display inside a Wine virtual
# desktop, in a Chinese locale with a Chinese font in the prefix, so that the menus, captions
# and dialogs show their texts as a Chinese Windows would.
# At 100 %: vandrel.exe --seed N shows its window; the window's client area equals the frame
# vandrel-play.exe composes for the same seed everywhere outside the score text; a click on a
# square next to the source lays the carried piece there, as in vandrel-play; the Space key
# (an accelerator from the menu's key table) pauses the game as vandrel-play's pause does; the
# leaderboard, from the Game menu, opens titled "排行榜", centred over the game window; after
# Space resumes, the arrow keys and Enter lay at the board cursor as vandrel-play's keys do; Esc
# ends the program and leaves list.txt beside the .exe in GB18030.
# At 150 % (Wine's LogPixels 144): the client area is 719 x 687 and the picture fills it, the
# frame brought to that size (compared at the frame's own size), also after a click at the
# scaled place of the same square lays the piece there.
# The display, the Wine prefix and every file it makes are its own and go at the end; with
# KEEP_CHECK=1 they stay, screenshots of each step among them (window-*.png, menu.png,
# leaderboard.png, scaled-*.png).
# Needs build-win/ (scripts/build-windows.sh). Usage: scripts/check-windows.sh [SEED]
# With VANDREL_WINE_PREFIX naming a prefix its caller made (and removes), that one serves.
set -euo pipefail
cd "$(dirname "$0")/.."
seed=${1:-7}
exe=build-win/vandrel.exe
player=build-win/tools/vandrel-play.exe
chinese_font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc

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

# The Chinese locale, compiled into the check's own folder so that the machine's locales stay
# as they are; the game runs in it (start_game).
mkdir -p "$work/locale"
localedef -i zh_CN -f UTF-8 "$work/locale/zh_CN.UTF-8" >/dev/null 2>&1 ||
  [[ -f $work/locale/zh_CN.UTF-8/LC_CTYPE ]] || fail "localedef cannot make zh_CN.UTF-8 (package locales)"

# The Chinese font in the prefix's font folder, standing in for the faces a Chinese Windows
# has ("宋体" for the dialogs, "黑体" for the game's texts); and the screen's resolution.
[[ -f $chinese_font ]] || fail "$chinese_font is missing (package fonts-wqy-zenhei)"
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
ln -sf "$chinese_font" "$WINEPREFIX/drive_c/windows/Fonts/"
set_registry() {  # LogPixels: 96 for 100 %, 144 for 150 %
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    for face in SimSun 宋体 NSimSun 新宋体 SimHei 黑体 "Microsoft YaHei" 微软雅黑; do
      printf '"%s"="WenQuanYi Zen Hei"\r\n' "$face"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n' "$1"
  } | iconv -f UTF-8 -t UTF-16 >"$work/settings.reg"
  wine regedit /S "$work/settings.reg" || fail "regedit failed"
}

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
printf 'seed %s\nnew\nframe Z:%s\nclick %s %s\nmove 700 700\nframe Z:%s\nmove 470 450\nmenu %s\nframe Z:%s\nmenu %s\nkey Left\nkey Up\nkey Return\ntick anim 20\nframe Z:%s\n' \
  "$seed" "$work/start.png" "$click_x" "$click_y" "$work/laid.png" "$pause_id" "$work/paused.png" \
  "$pause_id" "$work/keys.png" |
  wine "$player" >/dev/null ||
  fail "vandrel-play.exe could not write its frames"

# The display, with the pointer parked outside the game window.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
xdotool mousemove 1270 1010

# Starts the game in a virtual desktop and waits for its window; sets client (the client area
# of width x height pixels at the bottom of the window, inside its frame) and client_left,
# client_top.
start_game() {
  local width=$1 height=$2 started geometry frame_w frame_h left top border
  started=$(now)
  (cd "$work/game" && exec env LOCPATH="$work/locale" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 \
    wine explorer /desktop=vandrel,1000x900 vandrel.exe --seed "$seed") >"$work/wine.log" 2>&1 &
  game_pid=$!
  geometry=$(settled_geometry Vandrel)
  [[ -n $geometry ]] || fail "the game window did not appear"
  echo "window after $(ms_since "$started") ms ($geometry)"
  IFS='x+' read -r frame_w frame_h left top <<<"$geometry"
  border=$(((frame_w - width) / 2))
  ((border >= 0 && frame_h > height)) || fail "the window ($geometry) is smaller than $width x $height"
  client_left=$((left + border))
  client_top=$((top + frame_h - height - border))
  client="${width}x${height}+${client_left}+${client_top}"
}
# WIDTHxHEIGHT+X+Y of the program's window with the given title on the screen, or nothing.
window_geometry() {
  xwininfo -root -tree 2>/dev/null | grep -F "\"$1\": (\"vandrel.exe\"" | head -n 1 |
    sed -nE 's/.* ([0-9]+x[0-9]+)[-+][0-9]+[-+][0-9]+ +\+([0-9]+)\+([0-9]+)$/\1+\2+\3/p' || true
}
# The same once it has held still for a moment, waiting up to 30 s for the window: a window is
# placed and sized after it is made.
settled_geometry() {
  local seen geometry=""
  for _ in $(seq 1 150); do
    seen=$(window_geometry "$1")
    [[ -n $seen && $seen == "$geometry" ]] && break
    geometry=$seen
    sleep 0.2
  done
  echo "$geometry"
}
# Esc ends the program, which writes list.txt beside itself; the virtual desktop goes with its
# last window.
stop_game() {
  local stopping
  stopping=$(now)
  xdotool mousemove $((client_left + 470)) $((client_top + 450)) key Escape
  for _ in $(seq 1 100); do
    [[ -z $(window_geometry Vandrel) ]] && break
    sleep 0.1
  done
  [[ -n $(window_geometry Vandrel) ]] && fail "Esc did not close the window"
  echo "Esc: window closed after $(ms_since "$stopping") ms"
  for _ in $(seq 1 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the program did not end"
  game_pid=""
}
shoot() { import -window root -crop "$client" +repage "$work/$1.png"; }
# The score's text is drawn by each system's own fonts: it is left out of the comparisons.
mask_score() { convert "$1" -fill black -draw 'rectangle 180,20 383,79' "$2"; }
differing() {
  mask_score "$1" "$work/masked-1.png"
  mask_score "$2" "$work/masked-2.png"
  compare -metric AE "$work/masked-1.png" "$work/masked-2.png" "$work/difference.png" 2>&1 || true
}

# The leaderboard, opened from the Game menu, is titled "排行榜" and stands centred over the
# game window; a screenshot of it goes to NAME.png, and Esc closes it.
check_leaderboard() {
  local list list_w list_h list_left list_top game_w game_h game_left game_top dx dy
  xdotool mousemove $((client_left + 470)) $((client_top + 450)) key alt+g
  sleep 0.5
  import -window root "$work/$1-menu.png"
  xdotool key l
  list=$(settled_geometry 排行榜)
  [[ -n $list ]] || fail "no window titled 排行榜 after Alt+G, L"
  import -window root "$work/$1.png"
  IFS='x+' read -r list_w list_h list_left list_top <<<"$list"
  IFS='x+' read -r game_w game_h game_left game_top <<<"$(window_geometry Vandrel)"
  dx=$((2 * list_left + list_w - 2 * game_left - game_w))
  dy=$((2 * list_top + list_h - 2 * game_top - game_h))
  ((dx * dx <= 4 && dy * dy <= 4)) || fail "the leaderboard ($list) is not centred over the game window"
  echo "leaderboard: 排行榜, centred over the game window"
  xdotool mousemove $((list_left + list_w / 2)) $((list_top + list_h / 2)) key Escape
  sleep 0.5
  [[ -z $(window_geometry 排行榜) ]] || fail "Esc did not close the leaderboard"
}

# ---- 100 %
set_registry 96
start_game 479 458
# On a busy machine Wine may take a while to show the first frame: it is looked at again for
# up to 3 s more (the first water step comes 5 s after the start).
for _ in 1 2 3 4 5 6 7; do
  shoot window-start
  pixels=$(differing "$work/window-start.png" "$work/start.png")
  [[ $pixels == 0 ]] && break
  sleep 0.5
done
[[ $pixels == 0 ]] || fail "the window's first frame differs from vandrel-play's in $pixels pixels"
echo "first frame: equal to vandrel-play's outside the score"

# A click beside the source, then the pointer away from the window again.
xdotool mousemove $((client_left + click_x)) $((client_top + click_y)) click 1
sleep 0.3
xdotool mousemove 1270 1010
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

# The Game menu, and its leaderboard over the game window.
xdotool key alt+g
sleep 0.5
import -window root "$work/menu.png"
xdotool key Escape
sleep 0.3
check_leaderboard leaderboard

# Space resumes, with the next water step 5 s away; the arrow keys show the board cursor in the
# board's middle (the pointer is off the board) and move it, and Enter lays the piece in hand
# there.
xdotool mousemove $((client_left + 470)) $((client_top + 450))
sleep 0.2
xdotool key space Left Up Return
sleep 0.8
shoot window-keys
pixels=$(differing "$work/window-keys.png" "$work/keys.png")
[[ $pixels == 0 ]] || fail "after the arrow keys and Enter the window differs from vandrel-play's frame in $pixels pixels"
echo "Space, Left, Up, Enter: resumed, and the piece laid at the board cursor as in vandrel-play"

stop_game
[[ -f $work/game/list.txt ]] || fail "no list.txt beside the program"
first=$(head -c 6 "$work/game/list.txt" | od -An -tx1 | tr -d ' \n')
[[ $first == d8fdc3fb0d0a ]] || fail "list.txt does not start with the default name in GB18030: $first"
echo "list.txt: $(wc -c <"$work/game/list.txt") bytes, GB18030 with CR LF"

# ---- 150 %: the screenshot, brought back to the frame's size, is compared with the frame as
# a picture (peak signal-to-noise ratio outside the score): smoothing the 1.5 times enlarged
# picture changes every edge a little, while a picture that does not fill the area, or is out
# of place, is far off.
resembles() {  # SHOT FRAME: the PSNR in dB
  convert "$1" -filter box -resize '479x458!' "$work/back.png"
  mask_score "$work/back.png" "$work/masked-1.png"
  mask_score "$2" "$work/masked-2.png"
  compare -metric PSNR "$work/masked-1.png" "$work/masked-2.png" null: 2>&1 | cut -d' ' -f1 || true
}
set_registry 144
start_game 719 687
sleep 1
shoot scaled-start
[[ $(identify -format '%wx%h' "$work/scaled-start.png") == 719x687 ]] || fail "at 150 % the client area is not 719 x 687"
psnr=$(resembles "$work/scaled-start.png" "$work/start.png")
[[ $psnr == inf ]] || awk -v p="$psnr" 'BEGIN { exit !(p >= 20) }' ||
  fail "at 150 % the picture does not fill the client area as the frame ($psnr dB)"
echo "150 %: the frame fills the 719 x 687 client area ($psnr dB)"
xdotool mousemove $((client_left + click_x * 3 / 2)) $((client_top + click_y * 3 / 2)) click 1
sleep 0.3
xdotool mousemove 1270 1010
sleep 0.5
shoot scaled-laid
square() { convert "$1" -crop "19x19+$((80 + 19 * target))+$((80 + 19 * row))" +repage "$2"; }
convert "$work/scaled-laid.png" -filter box -resize '479x458!' "$work/back.png"
square "$work/back.png" "$work/square-shot.png"
square "$work/laid.png" "$work/square-laid.png"
square "$work/start.png" "$work/square-start.png"
to_laid=$(compare -metric AE -fuzz 20% "$work/square-shot.png" "$work/square-laid.png" null: 2>&1 || true)
to_start=$(compare -metric AE -fuzz 20% "$work/square-shot.png" "$work/square-start.png" null: 2>&1 || true)
((to_laid * 2 < to_start)) || fail "at 150 % the click did not lay the piece on square ($target, $row)"
echo "150 %: the click at the scaled place lays the piece on square ($target, $row)"
check_leaderboard scaled-leaderboard
stop_game
echo "check-windows: passed"
