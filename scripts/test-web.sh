#!/usr/bin/env bash
# Builds the browser program (scripts/build-web.sh) and runs its tests in headless Chromium,
# driven from Node by puppeteer-core against the script player of the native build (build/,
# whose player and picture generators are built when missing). Installs what is missing
# first: Chromium from Debian, puppeteer-core from the npm registry as
# tests/web/package-lock.json pins it.
# Usage: scripts/test-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --no-qt --web --web-tests
# The native build gives the script player and the generators of the pictures, texts and
# tables.
if [[ ! -x build/tools/vandrel-play || ! -x build/vandrel-sprite-sheet ||
      ! -x build/tools/vandrel-help-pictures || ! -x build/vandrel-catalogue ||
      ! -x build/vandrel-gb18030-table ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j2 --target vandrel-play vandrel-sprite-sheet vandrel-help-pictures \
    vandrel-catalogue vandrel-gb18030-table
fi
VANDREL_HOST_TOOLS_DIR="$PWD/build" scripts/build-web.sh
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
VANDREL_WEB_DIR="$PWD/build-web" VANDREL_PLAY="$PWD/build/tools/vandrel-play" \
  node --test --test-reporter=spec tests/web/
