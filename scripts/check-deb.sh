#!/usr/bin/env bash
# Checks the Debian package: lintian (pedantic, with info and experimental remarks) has
# nothing to say, the AppStream data, desktop entry and icons carry the application id and pass
# their validators, *.flm files map to the saved-game type, the dependencies can be installed
# here, and the program unpacked into a scratch root starts under its own Xvfb display, finds
# its help pages in Debian's place for a game's data, closes on Esc and leaves its leaderboard
# in the player's data folder.
# Usage: scripts/check-deb.sh [PACKAGE.deb]   (default: the one in dist/)
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-$(ls dist/vandrel_*.deb 2>/dev/null | head -n 1)}
[[ -f "$deb" ]] || { echo "no package to check: run scripts/package.sh first" >&2; exit 1; }
scripts/install-deps.sh --packaging

scratch=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "check-deb: $*" >&2; exit 1; }

# lintian at its strictest: every remark, down to the pedantic and experimental ones, fails
# the check. The package's own overrides (each with its reason) are not shown.
echo "-- lintian --pedantic -I -E $deb"
status=0
remarks=$(lintian --pedantic -I -E --fail-on error,warning,info,pedantic,experimental "$deb" \
  2>&1) || status=$?
# As root, lintian says that it would rather not run as root; that is no remark on the package.
remarks=$(grep -v '^running with root privileges' <<<"$remarks" || true)
echo "${remarks:-no remarks}"
((status == 0)) && [[ -z $remarks ]] || fail "lintian has remarks"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
app_id=io.github.vandrel.Vandrel
desktop="$root/usr/share/applications/$app_id.desktop"
[[ -f $desktop && -f "$root/usr/share/metainfo/$app_id.metainfo.xml" &&
   -f "$root/usr/share/icons/hicolor/256x256/apps/$app_id.png" ]] ||
  fail "the desktop entry, AppStream data or icon is not named $app_id"

# The AppStream data with the desktop entry and icons it names, pedantically. Every remark
# fails the check but two that Debian 12's validator (AppStream 0.16) makes of what the id and
# AppStream 1.0 ask for: the id's capital V (the form io.github.OWNER.Name that Flathub wants,
# and an id never changes once published), and the <developer> element, which AppStream 1.0
# brought in after 0.16.
echo "-- appstreamcli validate-tree --pedantic --no-net"
status=0
remarks=$(appstreamcli validate-tree --pedantic --no-net --no-color "$root" 2>&1) || status=$?
echo "$remarks"
accepted="^ *P: $app_id:[0-9]+: cid-contains-uppercase-letter $app_id\$"
[[ $(appstreamcli --version) == *"version: 0."* ]] &&
  accepted+="|^ *I: $app_id:[0-9]+: unknown-tag developer\$"
others=$(grep -E '^ *[EWIP]: ' <<<"$remarks" | grep -Ev "$accepted" || true)
((status == 0)) && [[ -z $others ]] || fail "appstreamcli has remarks"

echo "-- desktop-file-validate"
remarks=$(desktop-file-validate "$desktop" 2>&1) ||
  { echo "$remarks"; fail "desktop-file-validate reports an error"; }
echo "${remarks:-no remarks}"
[[ -z $remarks ]] || fail "desktop-file-validate has remarks"

mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/$app_id.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" 2>/dev/null
type=$(awk -F: '$3 == "*.flm" { print $2 }' "$scratch/mime/globs2")
grep -qx "MimeType=$type;" "$desktop" ||
  fail "*.flm is '$type', which the desktop entry does not open"
apt-get install --simulate -qq "$PWD/$deb" >/dev/null || fail "the package's dependencies cannot be installed"

# The unpacked program runs with a fresh home and no XDG_DATA_HOME. Even where it could write
# its own folder (as root, in CI), an installed program keeps the list in the data folder; it
# knows itself installed by finding its help pages in /usr/share/games/vandrel, so a list
# beside it would also mean that it had missed them.
home="$scratch/home"
mkdir -p "$home"
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$fd" || fail "Xvfb did not start"
export DISPLAY=":$display"

echo "-- the unpacked program on display $DISPLAY"
env -u XDG_DATA_HOME HOME="$home" "$root/usr/games/vandrel" \
  >"$scratch/game.log" 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vandrel$' | head -n 1) ||
  { cat "$scratch/game.log" >&2; fail "no window titled Vandrel after 20 s"; }
xdotool windowfocus --sync "$window" key Escape
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not end on Esc"
wait "$game_pid" || { cat "$scratch/game.log" >&2; fail "the game ended with an error"; }
game_pid=""
[[ -s "$home/.local/share/vandrel/list.txt" ]] || fail "no list.txt in the player's data folder"
[[ -z $(find "$root" -name list.txt) ]] || fail "list.txt written into the installed tree"
echo "window up, Esc closed it, list.txt in the player's data folder"
