#!/usr/bin/env bash
# Builds QuilloSlides.scr and runs it under Wine with the sample slide show.
#
#   scripts/run.sh [switch]      switch as Windows passes it: /S (default), /C, /P <handle>
#
# Lays out out/run/ (the .scr, its QuilloSlides.INI made from assets/sample with the
# pictures' Windows paths, the pictures), starts the saver, saves a screenshot every
# second and a half to out/screenshots/, then ends it: a key press first, as a user would,
# and if it is still running a few seconds later, Wine is shut down.
# Without a DISPLAY it runs on a virtual one; QS_RUN_SECONDS sets how long it shows
# (default 22: every slide of the sample once).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
switch="${1:-/S}"
shift || true
extra=("$@")
seconds="${QS_RUN_SECONDS:-22}"

scripts/setup.sh || exit 1

echo "== build (win64)"
cmake --preset win64 >/dev/null || { echo "run: configure failed" >&2; exit 1; }
cmake --build --preset win64 --target QuilloSlides -j2 || { echo "run: build failed" >&2; exit 1; }

run="$root/out/run"
shots="$root/out/screenshots"
rm -rf "$run" "$shots"
mkdir -p "$run" "$shots"
cp build/win64/src/QuilloSlides.scr "$run/"
cp assets/sample/*.jpg assets/sample/*.gif assets/sample/*.bmp "$run/"
# Wine sees the Linux file system as drive Z:.
pictures="Z:$(printf '%s' "$run" | tr '/' '\\')"
sed -e "s|@PICTURES@|${pictures//\\/\\\\}|g" -e 's/$/\r/' assets/sample/QuilloSlides.INI.in >"$run/QuilloSlides.INI"

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then export QS_KEEP_DISPLAY=1; fi
qs_wine_start

echo "== running QuilloSlides.scr $switch ${extra[*]:-} for ${seconds}s (display $DISPLAY)"
(cd "$run" && exec wine QuilloSlides.scr "$switch" "${extra[@]}") &
saver=$!

shot=0
deadline=$((SECONDS + seconds))
sleep 2
while [ $SECONDS -lt $deadline ] && kill -0 "$saver" 2>/dev/null; do
  shot=$((shot + 1))
  import -window root "$shots/$(printf 'shot-%02d' $shot).png" 2>/dev/null && echo "   $shots/$(printf 'shot-%02d' $shot).png"
  sleep 1.5
done

if kill -0 "$saver" 2>/dev/null; then
  echo "== ending it with a key press"
  xdotool key space >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
fi
if kill -0 "$saver" 2>/dev/null; then
  echo "== still running: shutting Wine down"
  wineserver -k >/dev/null 2>&1
fi
wait "$saver" 2>/dev/null
echo "== done: $shot screenshots in $shots; the settings file it wrote back: $run/QuilloSlides.INI"
