#!/usr/bin/env bash
# Builds every package of the game into dist/:
#   vandrel_VERSION_ARCH.deb               Debian and Ubuntu (cpack's DEB generator, from build/)
#   vandrel-VERSION-windows-x64.zip        Windows, a portable copy   } from build-win/
#   vandrel-VERSION-windows-x64-setup.exe  Windows, the installer     } (scripts/package-windows.sh)
#   vandrel-VERSION-web.zip                the browser program, a static site, from build-web/
#                                          (scripts/package-web.sh)
# The Windows and browser packages are made when build-win/ and build-web/ hold their programs
# (scripts/build-windows.sh, scripts/build-web.sh) and left out with a remark otherwise.
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

# Windows: the zip and the NSIS installer, from the Windows build and its help pages.
if [[ -f build-win/vandrel.exe && -f build-win/tools/vandrel-play.exe && -d build-win/help &&
      -f build-win/identity.nsh ]]; then
  scripts/package-windows.sh build-win build-win/help dist >/dev/null
else
  # Packages of an earlier Windows build would no longer match the Debian one.
  rm -f dist/vandrel-*-windows-x64.zip dist/vandrel-*-windows-x64-setup.exe
  echo "package: no Windows packages: build-win/ holds no Windows programs (scripts/build-windows.sh makes them)"
fi

# The browser: the static site, from the web build.
if [[ -f build-web/index.html && -f build-web/vandrel.wasm ]]; then
  scripts/package-web.sh build-web dist >/dev/null
else
  rm -f dist/vandrel-*-web.zip
  echo "package: no browser package: build-web/ holds no browser program (scripts/build-web.sh makes it)"
fi

for package in dist/*; do
  echo "$package: $(stat -c %s "$package") bytes"
done
