#!/usr/bin/env bash
# Benchmarks the real QuilloSlides.scr under Wine on a 1920 x 1080 virtual screen.
# Not part of the tests: it prints figures with baselines measured in the same run.
#   tests/bench/run_bench.sh [idle seconds, default 60]
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)

scripts/setup.sh || exit 1
cmake --preset win64 >/dev/null || exit 1
cmake --build --preset win64 --target QuilloSlides saver_bench -j2 || exit 1

work=$(mktemp -d /tmp/qs-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The same scene at 24 megapixels (6000 x 4000) and at 640 x 427: a gradient with a flat
# magenta centre whose colour the benchmark waits for.
scene() {
  convert -size "$1" gradient:'#203a43-#2c5364' \
      -fill '#ff00ff' -draw "rectangle $2" \
      -quality 90 "$3"
}
scene 6000x4000 "2000,1333 4000,2666" "$work/big.jpg"
scene 640x427 "213,142 426,284" "$work/small.jpg"
echo "pictures: $(du -h "$work/big.jpg" | cut -f1) (6000 x 4000), $(du -h "$work/small.jpg" | cut -f1) (640 x 427)"

export QS_DISPLAY_SIZE=1920x1080x24
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
qs_wine_start
wine build/win64/tests/e2e/saver_bench.exe "$work/big.jpg" "$work/small.jpg" "${1:-60}"
