#!/usr/bin/env bash
# Sets up a Debian machine, builds all three presets and runs every test:
# native unit tests, then the Windows test programs under Wine on a virtual display.
# A step that runs no test at all fails, as a failing one does.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

step() { echo; echo "== $* ($(date +%T))"; }
step "setup: Debian packages"
scripts/setup.sh || exit 1
jobs=$(nproc)
status=0

step "native: configure and build"
cmake --preset native >/dev/null && cmake --build --preset native -j"$jobs" || { echo "native build failed"; exit 1; }
step "native: tests"
ctest --preset native -j"$jobs" --no-tests=error || status=1

step "asan: the native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null && cmake --build --preset asan -j"$jobs" || { echo "asan build failed"; exit 1; }
ctest --preset asan -j"$jobs" --no-tests=error || status=1

step "fuzz: configure, build, and about 10 s per fuzz target"
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j"$jobs" || { echo "fuzz build failed"; exit 1; }
FUZZ_JOBS="$jobs" scripts/fuzz.sh 10 || status=1

for preset in win64 win32; do
  step "$preset: configure and build"
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j"$jobs" || { echo "$preset build failed"; exit 1; }
done

step "Wine: choosing its loaders, starting a virtual display and a fresh prefix"
source scripts/wine-env.sh
qs_wine_start || { echo "Wine could not be started: no Windows program ran"; exit 1; }
qs_wine_report

step "win64: tests under Wine"
# A bound on the whole phase keeps a wedged Wine from eating the CI budget.
timeout 2700 ctest --preset win64 -j2 --no-tests=error || status=1

if qs_wine32_available; then
  step "win32: tests under 32-bit Wine"
  timeout 2700 ctest --preset win32 -j2 --no-tests=error || status=1
else
  step "win32: skipped: $QS_WINE32_WHY; the 32-bit build compiled and linked"
fi

echo; echo "== done ($(date +%T))"
if [ $status -eq 0 ]; then echo "All test programs passed."; else echo "Some tests FAILED."; fi
exit $status
