#!/usr/bin/env bash
# Builds every package of the game into dist/:
#   vandrel_VERSION_ARCH.deb   Debian and Ubuntu (cpack's DEB generator, from build/)
# The Windows zip and installer join them here once the Windows program is built (build-win/).
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --packaging
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target vandrel
mkdir -p dist

# Debian: cpack stages and packs in a scratch folder; only the package is kept.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack --config build/CPackConfig.cmake -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; exit 1; }
rm -f dist/vandrel_*.deb
mv "$scratch"/vandrel_*.deb dist/

# Windows: the zip and the NSIS installer go here.

for package in dist/*; do
  echo "$package: $(stat -c %s "$package") bytes"
done
