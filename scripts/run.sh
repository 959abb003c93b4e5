#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target vandrel
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  cat >&2 <<'TEXT'
No display: the game is a desktop program and needs one (neither DISPLAY nor WAYLAND_DISPLAY
is set). Start scripts/run.sh from a desktop session, or try the game under Xvfb, a display
in memory, and look at a picture of its window:

  scripts/measure-desktop.sh --idle 1 --screenshot vandrel.png

or start it there yourself and take pictures with ImageMagick:

  xvfb-run -a -s '-screen 0 800x600x24' sh -c 'build/vandrel & sleep 2; import -window root vandrel.png; kill $!'

Without any display, build/tools/vandrel-play plays the real game from a script (see README.md).
TEXT
  exit 1
fi
exec build/vandrel
