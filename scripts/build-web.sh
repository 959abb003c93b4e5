#!/usr/bin/env bash
# Builds the game for the browser into build-web/, a static site: index.html, vandrel.js,
# vandrel.wasm, the page's scripts and style, the icons, the help pages and the font. Installs
# what is missing first (Debian's emscripten, the font and the font subsetter). Emscripten's
# JavaScript tools need Debian's acorn, which this machine's own node does not look for.
# With VANDREL_HOST_TOOLS_DIR set to a native build folder (as build/), its generators of the
# sprite sheet and the help pictures are run instead of building them once more.
# Usage: scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --no-qt --web
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANDREL_QT=OFF \
  -DVANDREL_TESTS=OFF -DVANDREL_BENCH=OFF \
  -DVANDREL_HOST_TOOLS_DIR="${VANDREL_HOST_TOOLS_DIR:-}" >/dev/null
cmake --build build-web -j2 --target vandrel_web
echo "build-web/index.html: the game; serve the folder (scripts/run-web.sh) and open it"
