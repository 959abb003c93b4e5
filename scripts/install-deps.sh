#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# Usage: scripts/install-deps.sh [--no-qt] [--desktop-tools] [--packaging] [--windows]
#                              [--windows-packaging] [--web] [--web-tests]
#   --no-qt          only what the headless core needs
#   --desktop-tools  also what looking at and driving the real window needs (xwininfo,
#                    ImageMagick, xdotool)
#   --packaging      also what making and checking the packages needs, and what the Debian
#                    package depends on besides the libraries, so that it runs unpacked
#   --windows        also what cross-building the Windows program and checking it under Wine
#                    needs (MinGW-w64 with posix threads, Wine, Xvfb, xdotool, ImageMagick, the
#                    Chinese font and the locale data the check compiles zh_CN.UTF-8 from)
#   --windows-packaging  also what making the Windows zip and installer and trying the
#                    installer under Wine needs
#   --web            also what building the browser program needs (Emscripten, the font and
#                    the font subsetter)
#   --web-tests      also what testing the browser program needs (Chromium)
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev)
with_qt=1
for option in "$@"; do
  case "$option" in
    --no-qt) with_qt=0 ;;
    --desktop-tools) packages+=(x11-utils imagemagick xdotool) ;;
    --packaging) packages+=(dpkg-dev file binutils lintian appstream desktop-file-utils
                            shared-mime-info xdotool qt6-qpa-plugins qt6-translations-l10n) ;;
    --windows-packaging) packages+=(nsis zip wine wine64 binutils) ;;
    --web) packages+=(emscripten fonts-wqy-zenhei fonttools) ;;
    --web-tests) packages+=(chromium) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xfonts-base
                          fonts-wqy-zenhei locales imagemagick x11-utils xdotool) ;;
    *) echo "usage: $0 [--no-qt] [--desktop-tools] [--packaging] [--windows] [--windows-packaging] [--web] [--web-tests]" >&2; exit 2 ;;
  esac
done
if ((with_qt)); then
  packages+=(qt6-base-dev qt6-translations-l10n fonts-wqy-zenhei xvfb xauth xfonts-base)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
