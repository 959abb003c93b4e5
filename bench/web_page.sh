#!/usr/bin/env bash
# The browser program's costs (bench/web_page.js: transfer size, first frame, renderer CPU
# playing and paused) and a frame composed in WebAssembly against the same frame composed
# natively (bench/compose/frame_compose.cpp in both builds). Builds what it needs first.
# Usage: bench/web_page.sh [--seconds N] [--loads N]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --no-qt --web --web-tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target bench_frame_compose vandrel-play vandrel-sprite-sheet vandrel-help-pictures \
  vandrel-gb18030-table
VANDREL_HOST_TOOLS_DIR="$PWD/build" scripts/build-web.sh >/dev/null
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DVANDREL_BENCH=ON >/dev/null
cmake --build build-web -j2 --target bench_frame_compose
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

echo "-- frame composition, native (build/bench/bench_frame_compose)"
build/bench/bench_frame_compose
echo "-- frame composition, WebAssembly in Node (build-web/bench/bench_frame_compose.js)"
node build-web/bench/bench_frame_compose.js
echo "-- the page in headless Chromium"
VANDREL_WEB_DIR="$PWD/build-web" VANDREL_PLAY="$PWD/build/tools/vandrel-play" node bench/web_page.js "$@"
