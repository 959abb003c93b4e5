#!/usr/bin/env bash
# Tries the Windows installer under Wine, in a Wine prefix of its own that goes at the end:
# for the current user (/S) and then for everyone (/S /ALLUSERS), it installs silently, checks
# the files, the Start-menu entry and what it starts, the .flm file type and the Add/Remove
# Programs entry (name, version, publisher, size), starts the installed programs, then runs the
# uninstaller as Add/Remove Programs would (silently) and checks that all it installed is gone,
# while the player's list in %APPDATA%\Vandrel and a file the player left in the program's
# folder stay. Last, it installs into a folder of the player's choice and then installs again
# over it without naming a folder, as an update would: the second lands in the same folder
# and the player's list survives. Needs no display.
# Usage: scripts/check-windows-installer.sh [SETUP.exe]   (default: the one in dist/)
set -euo pipefail
cd "$(dirname "$0")/.."

setup=${1:-$(ls dist/vandrel-*-windows-x64-setup.exe 2>/dev/null | head -n 1)}
[[ -f "$setup" ]] || { echo "no installer to check: run scripts/package.sh first" >&2; exit 1; }
setup=$(realpath "$setup")
version=$(basename "$setup" | sed -n 's/^vandrel-\([0-9.]*\)-windows-x64-setup\.exe$/\1/p')
[[ -n $version ]] || { echo "no version in the installer's name $setup" >&2; exit 1; }
scripts/install-deps.sh --no-qt --windows-packaging

work=$(mktemp -d /tmp/vandrel-installer-XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
unset DISPLAY
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-windows-installer: $*" >&2; exit 1; }
started=$(date +%s)

wineboot --init >/dev/null 2>&1 || fail "wineboot failed"
# Windows folders as Wine names them, and their Unix paths.
IFS='|' read -r local_data roaming_data program_data program_files < <(
  wine cmd /c 'echo %LOCALAPPDATA%^|%APPDATA%^|%ProgramData%^|%ProgramW6432%' | tr -d '\r')
unix() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }

# The value of a registry entry ("" for the key's default), or nothing when it is absent.
reg_value() {
  local args=(/ve)
  [[ -n $2 ]] && args=(/v "$2")
  wine reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *\([^ ].*\)\? \{1,\}REG_[A-Z_]* \{1,\}//p' | head -n 1
}
reg_exists() { wine reg query "$1" >/dev/null 2>&1; }

# The value of an entry of a program's version resource (what Explorer shows in its
# Properties): the UTF-16 string that follows the entry's name.
version_entry() { strings -el -n 2 "$1" | grep -A1 -x "$2" | sed -n 2p; }

check_version_resources() {
  local exe
  for exe in vandrel vandrel-play; do
    [[ $(version_entry "$1/$exe.exe" FileVersion) == "$version" &&
       $(version_entry "$1/$exe.exe" ProductVersion) == "$version" &&
       $(version_entry "$1/$exe.exe" ProductName) == Vandrel &&
       $(version_entry "$1/$exe.exe" OriginalFilename) == "$exe.exe" &&
       $(version_entry "$1/$exe.exe" LegalCopyright) == "Copyright (C) "*"; MIT licence" &&
       -n $(version_entry "$1/$exe.exe" FileDescription) ]] ||
      fail "$exe.exe has no version resource of version $version"
  done
}

check_mode() {
  local label=$1 switch=$2 root=$3 folder=$4 menu=$5
  local dir classes="$root\\Software\\Classes"
  local uninstall="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vandrel"
  local other=HKLM
  [[ $root == HKLM ]] && other=HKCU
  dir=$(unix "$folder")
  echo "-- install for $label: $setup /S $switch"
  local t0 switches=(/S)
  [[ -n $switch ]] && switches+=("$switch")
  t0=$(date +%s)
  wine "$setup" "${switches[@]}" || fail "the installer failed ($?)"
  wineserver -w
  echo "   installed in $folder ($(($(date +%s) - t0)) s)"

  local file
  for file in bin/vandrel.exe bin/vandrel-play.exe share/vandrel/help/instructions.html \
              share/vandrel/help/contact.html README.md LICENSE.txt NOTICE.txt uninstall.exe; do
    [[ -f "$dir/$file" ]] || fail "$folder is missing $file"
  done
  ls "$dir"/share/vandrel/help/pictures/*.png >/dev/null 2>&1 || fail "the help pictures are missing"
  check_version_resources "$dir/bin"
  local link
  link="$(unix "$menu")/Vandrel.lnk"
  [[ -f $link ]] || fail "no Start-menu entry in $menu"
  strings -a "$link" | grep -xF "$folder\\bin\\vandrel.exe" >/dev/null ||
    fail "the Start-menu entry does not start $folder\\bin\\vandrel.exe"

  local game="$folder\\bin\\vandrel.exe"
  [[ $(reg_value "$classes\\.flm" "") == Vandrel.SavedGame ]] || fail "*.flm is not a saved game"
  local type_name
  type_name=$(reg_value "$classes\\Vandrel.SavedGame" "")
  [[ $type_name == "Vandrel saved game" || $type_name == "Vandrel 游戏存档" ]] ||
    fail "the saved-game type is named '$type_name'"
  [[ $(reg_value "$classes\\Vandrel.SavedGame\\shell\\open\\command" "") == "\"$game\" \"%1\"" ]] ||
    fail "a saved game does not open in $game"
  [[ $(reg_value "$uninstall" DisplayName) == Vandrel ]] || fail "not in Add/Remove Programs"
  [[ $(reg_value "$uninstall" InstallLocation) == "$folder" ]] || fail "wrong InstallLocation"
  [[ $(reg_value "$uninstall" DisplayVersion) == "$version" ]] || fail "wrong DisplayVersion"
  [[ -n $(reg_value "$uninstall" Publisher) ]] || fail "no Publisher"
  local size
  size=$(reg_value "$uninstall" EstimatedSize)
  ((size > 1000)) || fail "EstimatedSize is $size KiB"
  local quiet
  quiet=$(reg_value "$uninstall" QuietUninstallString)
  [[ $quiet == "\"$folder\\uninstall.exe\" /S "* ]] || fail "wrong QuietUninstallString: $quiet"
  ! reg_exists "$other\\Software\\Classes\\Vandrel.SavedGame" || fail "$other was written as well"
  echo "   files, version resources, Start-menu entry, .flm type and Add/Remove Programs entry" \
    "are there"

  local status=0
  timeout 60 wine "$game" --version >/dev/null 2>&1 || status=$?
  ((status == 0)) || fail "the installed game ended with $status"
  local played
  played=$(printf 'state\nscore\n' | timeout 60 wine "$folder\\bin\\vandrel-play.exe" 2>&1 | tr -d '\r') ||
    fail "the installed script player failed"
  [[ -n $played ]] || fail "the installed script player said nothing"
  echo "   the installed game starts (--version ends with 0); the script player says: ${played//$'\n'/ / }"

  # The player's list, and a file of the player's in the program's folder, must outlive it.
  local list
  list="$(unix "$roaming_data")/Vandrel/list.txt"
  mkdir -p "$(dirname "$list")"
  echo "a player's list" >"$list"
  echo "a player's note" >"$dir/notes.txt"
  echo "-- uninstall: $quiet"
  t0=$(date +%s)
  local uninstaller=${quiet#\"} arguments
  uninstaller=${uninstaller%%\"*}
  read -ra arguments <<<"${quiet#\"*\" }"
  wine "$uninstaller" "${arguments[@]}" || fail "the uninstaller failed ($?)"
  wineserver -w  # the uninstaller runs on from a copy of itself in %TEMP%
  echo "   uninstalled ($(($(date +%s) - t0)) s)"

  local left
  left=$(cd "$dir" 2>/dev/null && find . -mindepth 1 ! -name notes.txt ! -name . | sort)
  [[ -z $left ]] || fail "the uninstaller left: $left"
  [[ -f "$dir/notes.txt" ]] || fail "the uninstaller removed a file it had not installed"
  rm "$dir/notes.txt" && rmdir "$dir"
  [[ ! -e $link ]] || fail "the Start-menu entry stays"
  ! reg_exists "$classes\\.flm" || fail "the .flm type stays"
  ! reg_exists "$classes\\Vandrel.SavedGame" || fail "the saved-game type stays"
  ! reg_exists "$uninstall" || fail "the Add/Remove Programs entry stays"
  [[ -f $list ]] || fail "the player's list went"
  rm -r "$(dirname "$list")"
  echo "   all it installed is gone; the player's list and note stay"
}

# An update: installing again over an install in a folder of the player's choice, without
# naming the folder, lands in that folder and leaves the player's list alone.
check_install_over() {
  local folder='C:\Games\Vandrel' dir list t0
  local uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vandrel'
  dir=$(unix "$folder")
  list="$(unix "$roaming_data")/Vandrel/list.txt"
  echo "-- install into $folder, then again over it: $setup /S"
  t0=$(date +%s)
  wine "$setup" /S "/D=$folder" || fail "the installer failed ($?)"
  wineserver -w
  mkdir -p "$(dirname "$list")"
  echo "a player's list" >"$list"
  wine "$setup" /S || fail "the second install failed ($?)"
  wineserver -w
  [[ -f "$dir/bin/vandrel.exe" ]] || fail "the second install left $folder"
  [[ ! -e $(unix "$local_data\\Programs\\Vandrel") ]] ||
    fail "the second install went to the default folder instead of $folder"
  [[ $(reg_value "$uninstall" InstallLocation) == "$folder" ]] || fail "wrong InstallLocation"
  [[ $(cat "$list") == "a player's list" ]] || fail "the player's list did not survive"
  wine "$dir/uninstall.exe" /S /CURRENTUSER || fail "the uninstaller failed ($?)"
  wineserver -w
  [[ ! -e $dir ]] || fail "the uninstaller left $folder"
  rm -r "$(dirname "$list")"
  echo "   the second install went to $folder as well, the list survived ($(($(date +%s) - t0)) s)"
}

check_mode "the current user" "" HKCU "$local_data\\Programs\\Vandrel" \
  "$roaming_data\\Microsoft\\Windows\\Start Menu\\Programs"
check_mode "everyone" /ALLUSERS HKLM "$program_files\\Vandrel" \
  "$program_data\\Microsoft\\Windows\\Start Menu\\Programs"
check_install_over
echo "check-windows-installer: passed in $(($(date +%s) - started)) s"
