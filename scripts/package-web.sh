#!/usr/bin/env bash
# Makes the browser program's package from a web build: vandrel-VERSION-web.zip, a static site
# in one folder (index.html, the page's scripts and style, vandrel.js and vandrel.wasm, the
# icons, the help pages, the font with its licence) that any web server can host as it is.
# Usage: scripts/package-web.sh [BUILD_WEB_DIR [OUT_DIR]]   (defaults: build-web, dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-web}")
out=${2:-$root/dist}

for file in index.html vandrel.js vandrel.wasm vandrel.css page icons help fonts; do
  [[ -e "$build/$file" ]] || { echo "package-web: $build/$file is missing" >&2; exit 1; }
done
"$root/scripts/install-deps.sh" --no-qt --windows-packaging >/dev/null

version=$(sed -n 's/^project(Vandrel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[[ -n "$version" ]] || { echo "package-web: no version in CMakeLists.txt" >&2; exit 1; }
mkdir -p "$out"
out=$(realpath "$out")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

site="$scratch/vandrel-$version-web"
mkdir -p "$site"
cp -r "$build"/{index.html,vandrel.js,vandrel.wasm,vandrel.css,page,icons,help,fonts} "$site/"
for document in README.md LICENSE NOTICE; do
  [[ -f "$root/$document" ]] && cp "$root/$document" "$site/"
done
rm -f "$out/vandrel-$version-web.zip"
(cd "$scratch" && zip -q -r -X "$out/vandrel-$version-web.zip" "vandrel-$version-web")
echo "$out/vandrel-$version-web.zip"
