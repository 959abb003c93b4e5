#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target vandrel 2>/dev/null || {
  echo "The desktop program is not built yet: the game runs headless through build/tools/vandrel-play."
  exit 1
}
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: start the game on a desktop, or try it under Xvfb:"
  echo "  xvfb-run -a -s '-screen 0 800x600x24' build/vandrel"
  exit 1
fi
exec build/vandrel
