#!/usr/bin/env bash
# Benchmarks the real QuilloSlides.scr under Wine on a 1920 x 1080 virtual screen.
# Not part of the tests: it prints figures with baselines measured in the same run.
#   bench/run_bench.sh [idle seconds, default 60]
# 1. and 2. (start to first slide, a 24-megapixel JPEG): saver_bench, see its source.
# 3. CPU while the show idles between slides, read from /proc for the saver's process;
#    baseline: Wine's notepad, idle over the same span at the same time.
set -uo pipefail
cd "$(dirname "$0")/.."
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
wine build/win64/bench/saver_bench.exe "$work/big.jpg" "$work/small.jpg" >"$work/bench.txt" 2>&1
cat "$work/bench.txt"

# 3. Idle CPU.
idle_seconds="${1:-60}"
idle="$work/idle"
mkdir -p "$idle"
cp build/win64/src/QuilloSlides.scr "$idle/"
convert -size 320x240 xc:'#ff0000' "BMP3:$idle/red.bmp"
printf '[INIT]\r\nBGColor_0=0\r\nDelay_0=1000\r\nPictureCount_0=1\r\nFileSpec_1=%s\r\nCenter_1=True\r\n' \
  "Z:$(printf '%s' "$idle/red.bmp" | tr '/' '\\')" >"$idle/QuilloSlides.INI"
(cd "$idle" && exec wine QuilloSlides.scr /S >/dev/null 2>&1) &
(exec wine notepad.exe >/dev/null 2>&1) &

# The Linux process of a Windows program: the newest whose command line names it.
unix_pid() { pgrep -n -f "$1"; }
# User plus system CPU time of a process so far, in milliseconds.
cpu_ms() {
  local ticks
  ticks=$(awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null) || return 1
  echo $((ticks * 1000 / $(getconf CLK_TCK)))
}
saver_pid="" notepad_pid=""
for _ in $(seq 1 300); do
  saver_pid=$(unix_pid 'QuilloSlides.scr /S'); notepad_pid=$(unix_pid 'notepad.exe')
  [ -n "$saver_pid" ] && [ -n "$notepad_pid" ] && break
  sleep 0.1
done
if [ -z "$saver_pid" ] || [ -z "$notepad_pid" ]; then
  echo "idle CPU: the saver or notepad did not start"; exit 1
fi
# Past start-up and the first slide before the span begins.
sleep 10
s0=$(cpu_ms "$saver_pid"); n0=$(cpu_ms "$notepad_pid")
sleep "$idle_seconds"
s1=$(cpu_ms "$saver_pid"); n1=$(cpu_ms "$notepad_pid")
saver_rate=$(( (s1 - s0) * 60 / idle_seconds )); notepad_rate=$(( (n1 - n0) * 60 / idle_seconds ))
echo "idle span ${idle_seconds} s ($((idle_seconds * 10 / 4)) ticks of the 400 ms timer)"
awk -v s="$saver_rate" -v n="$notepad_rate" 'BEGIN {
  printf "%-44s %10.1f %-4s baseline %10.1f %-4s ratio %6.2f\n", "idle CPU per minute (ms)", s, "ms", n, "ms", (n > 0 ? s / n : 0) }'
wineserver -k >/dev/null 2>&1
