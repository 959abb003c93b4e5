#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64 into build-win/: vandrel.exe (the game on
# the Win32 API) and vandrel-play.exe (the script player), both statically linked, the core
# tests, which run under Wine, and the bare window bench/wine-desktop.sh measures beside the
# game. Installs what is missing first (scripts/install-deps.sh --windows: MinGW-w64 with posix
# threads, Wine, and Xvfb with ImageMagick for the window check).
# Usage: scripts/build-windows.sh [TARGET...]   (default: everything)
# With VANDREL_HOST_TOOLS_DIR set to a native build folder (as build/), its generators are run
# instead of building them once more for the build machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --no-qt --windows

cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DVANDREL_QT=OFF -DVANDREL_BENCH=ON -DVANDREL_HOST_TOOLS_DIR="${VANDREL_HOST_TOOLS_DIR:-}" >/dev/null
if (($# > 0)); then
  cmake --build build-win -j2 --target "$@"
else
  cmake --build build-win -j2
fi
