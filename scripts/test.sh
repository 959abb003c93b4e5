#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then builds the core with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests again, and gives the file
# readers' fuzz targets a short run; builds the Debian package and checks it; then it
# cross-builds the Windows program and checks it under Wine (core tests, and the window on a
# private display), makes the Windows zip and installer and installs and removes it under Wine;
# last it builds the browser program with Emscripten, tests it in headless Chromium and packs
# it. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=2

echo "== Build and test (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs" | tee "$log"

echo "== Debian package (dist/), checked with lintian, the validators and a run under Xvfb"
scripts/package.sh
scripts/check-deb.sh

echo "== Core tests under AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANDREL_SANITIZE=ON \
  -DVANDREL_QT=OFF -DVANDREL_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" | tee -a "$log"

echo "== File readers under libFuzzer, a short fixed run each (build-fuzz/)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_FUZZ=ON \
  -DVANDREL_QT=OFF -DVANDREL_TESTS=OFF -DVANDREL_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_saved_game fuzz_leaderboard
for target in saved_game leaderboard; do
  # New inputs go to a scratch folder; the seed corpus in the repository is only read.
  scratch=$(mktemp -d)
  if ! build-fuzz/tests/fuzz/fuzz_$target -runs=20000 -seed=1 -artifact_prefix="$scratch/" "$scratch" \
      "tests/fuzz/corpus/$target" >"$scratch.log" 2>&1; then
    tail -n 60 "$scratch.log"
    echo "fuzz_$target found a fault; the input is kept in $scratch"
    exit 1
  fi
  echo "fuzz_$target: $(tail -n 1 "$scratch.log")"
  rm -rf "$scratch" "$scratch.log"
done

echo "== Windows program: cross-built, core tests and the window under Wine (build-win/)"
windows_started=$SECONDS
VANDREL_HOST_TOOLS_DIR="$PWD/build" scripts/build-windows.sh
# The core tests need no display; their Wine prefix is this run's own.
wine_prefix=$(mktemp -d /tmp/vandrel-wine-XXXXXX)
trap 'rm -f "$log"; WINEPREFIX="$wine_prefix" wineserver -k 2>/dev/null || true; rm -rf "$wine_prefix"' EXIT
(
  export WINEPREFIX="$wine_prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  unset DISPLAY
  wineboot --init >/dev/null 2>&1
  ctest --test-dir build-win --output-on-failure -j"$jobs"
  wineserver -k 2>/dev/null || true
) | tee -a "$log"
VANDREL_WINE_PREFIX="$wine_prefix" scripts/check-windows.sh
echo "== Windows packages: the zip and the installer, installed and removed under Wine"
scripts/package-windows.sh
scripts/check-windows-installer.sh dist/vandrel-*-windows-x64-setup.exe
echo "Windows steps: $((SECONDS - windows_started)) s"

echo "== Browser program: built with Emscripten, tested in headless Chromium (build-web/)"
web_started=$SECONDS
scripts/test-web.sh
scripts/package-web.sh build-web dist
echo "Browser steps: $((SECONDS - web_started)) s"

# One closing line for the whole run: test programs of the three builds, the fuzz runs, the
# package check, the window check and the installer check under Wine, and the browser tests.
programs=$(grep -oE 'tests passed, 0 tests failed out of [0-9]+' "$log" |
  awk '{ sum += $NF } END { print sum + 0 }')
echo "all: $((programs + 6)) passed, 0 failed"
