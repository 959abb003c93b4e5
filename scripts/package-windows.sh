#!/usr/bin/env bash
# Makes the Windows packages from a Windows build:
#   vandrel-VERSION-windows-x64.zip        a portable copy: the programs, help\, README.md,
#                                          LICENSE.txt and NOTICE.txt beside each other in one
#                                          folder
#   vandrel-VERSION-windows-x64-setup.exe  the installer (NSIS), which shows the licence first:
#                                          the programs in bin\, the help pages in
#                                          share\vandrel\help\, README.md, LICENSE.txt, NOTICE.txt
# The version is the Windows build's (its identity.nsh, from the project's version).
# Usage: scripts/package-windows.sh [BUILD_WIN_DIR [HELP_DIR [OUT_DIR]]]
#   BUILD_WIN_DIR  holds vandrel.exe, tools/vandrel-play.exe and identity.nsh (default: build-win)
#   HELP_DIR       the built help pages (default: BUILD_WIN_DIR/help)
#   OUT_DIR        where the packages go (default: dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-win}")
help=$(realpath "${2:-$build/help}")
out=${3:-$root/dist}

game="$build/vandrel.exe"
player="$build/tools/vandrel-play.exe"
identity="$build/identity.nsh"
for file in "$game" "$player" "$help/instructions.html" "$identity"; do
  [[ -f "$file" ]] || { echo "package-windows: $file is missing" >&2; exit 1; }
done
"$root/scripts/install-deps.sh" --no-qt --windows-packaging

version=$(sed -n 's/^!define VERSION "\([0-9.]*\)"$/\1/p' "$identity")
[[ -n "$version" ]] || { echo "package-windows: no version in $identity" >&2; exit 1; }
name="vandrel-$version-windows-x64"
mkdir -p "$out"
out=$(realpath "$out")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The licence and the notices of what the programs carry, as text files Windows opens.
mkdir -p "$scratch/texts"
for text in LICENSE NOTICE; do
  sed 's/$/\r/' "$root/$text" >"$scratch/texts/$text.txt"
done

# The zip: one folder that runs where it is unpacked and keeps its list beside the program.
portable="$scratch/zip/vandrel-$version"
mkdir -p "$portable"
cp "$game" "$player" "$root/README.md" "$scratch"/texts/*.txt "$portable/"
cp -r "$help" "$portable/help"
rm -f "$out/$name.zip"
(cd "$scratch/zip" && zip -q -r -X "$out/$name.zip" "vandrel-$version")

# The installer's tree, and the list of what it holds for the uninstaller: files first, then
# the folders from the deepest up, each removed only when it is empty.
stage="$scratch/stage"
mkdir -p "$stage/bin" "$stage/share/vandrel"
cp "$game" "$player" "$stage/bin/"
cp -r "$help" "$stage/share/vandrel/help"
cp "$root/README.md" "$scratch"/texts/*.txt "$stage/"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
) >"$scratch/files.nsh"

icon=()
if [[ -f "$build/art/vandrel.ico" ]]; then
  icon=(-DICON="$build/art/vandrel.ico")
fi
rm -f "$out/$name-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DIDENTITY="$identity" -DSTAGE="$stage" \
  -DFILE_LIST="$scratch/files.nsh" -DOUT_FILE="$out/$name-setup.exe" "${icon[@]}" \
  "$root/packaging/windows/vandrel.nsi" >"$scratch/makensis.log" 2>&1 ||
  { cat "$scratch/makensis.log" >&2; exit 1; }
grep -i "warning" "$scratch/makensis.log" >&2 || true

echo "$out/$name.zip"
echo "$out/$name-setup.exe"
