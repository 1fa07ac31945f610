#!/usr/bin/env bash
# Benchmarks the real QuilloSlides.scr under Wine on a 1920 x 1080 virtual screen.
# Not part of the tests: every figure is printed beside a baseline measured in the same run.
#   bench/run_bench.sh        (about twenty-five minutes)
# QS_BENCH_SLIDES (default 100000) sets the large list, QS_BENCH_IDLE_SECONDS (default 30)
# the idle span, QS_BENCH_INTERVAL_SECONDS (default 24, at least 20) the interval's span,
# QS_BENCH_SOAK_MINUTES (default 10, at least 2; 0 leaves the soak out) the soak's length.
# 1. The show with 24-megapixel photos against small pictures (flash, first slide,
#    interval, window-thread work, key latency, memory): saver_bench, see its source.
# 2. A large slide list against three slides ("/S", "/C", the editor): large_list_bench.
#    Before it, the steps of a show steered by keys, 24-megapixel photos against small
#    pictures: step_bench, see its source.
#    A folder entry of a 100,000-picture tree against three pictures ("/S", "/C"; the
#    first slide or dialog and the longest window-thread stall): folder_tree_bench.
#    Slides on every monitor, on a display with a second screen of 800 x 600: the first
#    slide on each monitor and the peak memory, against the primary alone: monitors_bench.
# 3. A soak: the show at Delay 2 for ten minutes, a 24-megapixel photo and a small picture
#    in turn; memory, handles and GDI objects at the end against the first minute:
#    soak_bench, see its source.
# 4. The drawing paths for a fade and a pan and zoom at full screen (GDI AlphaBlend and
#    StretchBlt, CPU blending and bilinear resampling on the window thread, split or drawn
#    ahead by workers, Direct2D): frame intervals, window-thread CPU and key waits beside a
#    cut, at a 60 and a 30 Hz pace: drawing_paths_bench, see its source.
#    Then the fade and the pan and zoom the saver ships, timed from outside it: frame
#    intervals on the screen, CPU and the key latency during each, beside the cut: motion_bench.
# 5. CPU while the show idles between slides, read from /proc for the saver's process;
#    baseline: Wine's notepad, idle over the same span at the same time.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh >/dev/null || exit 1
cmake --preset win64 >/dev/null || exit 1
cmake --build --preset win64 --target QuilloSlides saver_bench step_bench large_list_bench folder_tree_bench soak_bench \
  monitors_bench drawing_paths_bench motion_bench -j2 >/dev/null || exit 1

work=$(mktemp -d /tmp/qs-bench.XXXXXX)
# Two scenes at 24 megapixels (6000 x 4000, noise over a gradient, so that the JPEG is as
# large as a camera's, about 17 MB) and at 640 x 427, each with a flat centre, magenta in
# the first and cyan in the second, whose colour the benchmark waits for.
scene() {
  local w=${1%x*} h=${1#*x}
  convert -size "$1" gradient:'#203a43-#2c5364' -attenuate 0.6 +noise Gaussian \
      -fill "$2" -draw "rectangle $((w / 3)),$((h / 3)) $((w * 2 / 3)),$((h * 2 / 3))" \
      -quality 92 "$3"
}
scene 6000x4000 '#ff00ff' "$work/big1.jpg"; scene 6000x4000 '#00ffff' "$work/big2.jpg"
scene 640x427 '#ff00ff' "$work/small1.jpg"; scene 640x427 '#00ffff' "$work/small2.jpg"
echo "pictures: $(du -h "$work/big1.jpg" | cut -f1) (6000 x 4000), $(du -h "$work/small1.jpg" | cut -f1) (640 x 427)"

export QS_DISPLAY_SIZE=1920x1080x24
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
qs_wine_start || { echo "bench: FAILED: Wine could not be started"; exit 1; }
qs_wine_report
trap 'qs_wine_stop; rm -rf "$work"' EXIT
echo "== the show: 24 MP photos against small pictures"
# A crashing saver's report (Wine writes it to the output the saver inherits) is counted,
# not shown.
qs_wine build/win64/bench/saver_bench.exe "$work/big1.jpg" "$work/big2.jpg" "$work/small1.jpg" "$work/small2.jpg" \
  "${QS_BENCH_INTERVAL_SECONDS:-24}" >"$work/saver_bench.out" 2>&1
saver_status=$?
grep -E '^(screen|flash|first slide|interval|UI work|memory|key latency|  \(the saver|saver_bench)' "$work/saver_bench.out"
crashes=$(grep -c '^Unhandled exception' "$work/saver_bench.out")
[ "$crashes" -gt 0 ] && echo "the saver crashed $crashes times (Wine's crash reports left out)"
[ $saver_status -eq 0 ] || { echo "bench: FAILED: saver_bench ended with status $saver_status"; exit 1; }
echo "== steps of a show steered by keys: 24 MP photos against small pictures"
qs_wine build/win64/bench/step_bench.exe "$work/big1.jpg" "$work/big2.jpg" "$work/small1.jpg" "$work/small2.jpg" \
  2>&1 | grep -E '^(screen|step)' || { echo "bench: FAILED: step_bench did not run through"; exit 1; }
echo "== large lists: ${QS_BENCH_SLIDES:-100000} slides against 3"
qs_wine build/win64/bench/large_list_bench.exe "${QS_BENCH_SLIDES:-100000}" 2>&1 ||
  { echo "bench: FAILED: large_list_bench did not run through"; exit 1; }
echo "== a folder entry: a tree of ${QS_BENCH_SLIDES:-100000} pictures against 3 pictures"
qs_wine build/win64/bench/folder_tree_bench.exe "${QS_BENCH_SLIDES:-100000}" 2>&1 ||
  { echo "bench: FAILED: folder_tree_bench did not run through"; exit 1; }

echo "== two monitors: slides on every monitor against the primary alone"
qs_two_monitor_run build/win64/bench/monitors_bench.exe "$work/big1.jpg" "$work/big2.jpg" "$work/small1.jpg" \
  "$work/small2.jpg" 2>&1 | grep -vE '^(fixme|err|warn):' || { echo "bench: FAILED: monitors_bench did not run through"; exit 1; }

soak_minutes="${QS_BENCH_SOAK_MINUTES:-10}"
if [ "$soak_minutes" != 0 ]; then
  echo "== soak: ${soak_minutes} minutes at Delay 2, a 24 MP photo and a small picture in turn"
  qs_wine build/win64/bench/soak_bench.exe "$work/big1.jpg" "$work/small2.jpg" "$soak_minutes" 2>&1 |
    grep -vE '^(fixme|err|warn):' || { echo "bench: FAILED: soak_bench did not run through"; exit 1; }
fi

echo "== drawing paths for fades and pan and zoom, beside a cut (load: $(cut -d' ' -f1-3 /proc/loadavg))"
for pace in 60 30; do
  qs_wine build/win64/bench/drawing_paths_bench.exe 3 "$pace" 2>&1 | grep -vE '^(fixme|err|warn):' ||
    { echo "bench: FAILED: drawing_paths_bench did not run through"; exit 1; }
done
echo "== the saver's fade (1 s) and pan and zoom beside the cut (load: $(cut -d' ' -f1-3 /proc/loadavg))"
qs_wine build/win64/bench/motion_bench.exe 3 1 2>&1 | grep -vE '^(fixme|err|warn):' ||
  { echo "bench: FAILED: motion_bench did not run through"; exit 1; }

echo "== idle CPU"
idle_seconds="${QS_BENCH_IDLE_SECONDS:-30}"
idle="$work/idle"
mkdir -p "$idle"
cp build/win64/src/QuilloSlides.scr "$idle/"
convert -size 320x240 xc:'#ff0000' "BMP3:$idle/red.bmp"
printf '[INIT]\r\nBGColor_0=0\r\nDelay_0=1000\r\nPictureCount_0=1\r\nFileSpec_1=%s\r\nCenter_1=True\r\n' \
  "Z:$(printf '%s' "$idle/red.bmp" | tr '/' '\\')" >"$idle/QuilloSlides.INI"
(cd "$idle" && exec "$QS_WINE64" QuilloSlides.scr /S >/dev/null 2>&1) &
(exec "$QS_WINE64" notepad.exe >/dev/null 2>&1) &

# The Linux process of a Windows program: the newest whose command line names it, in this
# Wine prefix (other Wine sessions on the machine may run the same programs).
unix_pid() {
  local p
  for p in $(pgrep -f "$1"); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done | tail -1
}
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
  echo "bench: FAILED: the idle probe (the saver or notepad) did not start"; exit 1
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
