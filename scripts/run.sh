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
# (default 22: every slide of the sample once). QS_SCR runs that saver instead of building
# one; QS_NO_SETUP=1 skips the package check; QS_OUT puts run/ and
# screenshots/ in another folder than out/.
# Fails, with one line saying why, when the saver did not start, ended before its time
# (the show and the settings dialog stay until they are ended), or no screenshot was taken.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
switch="${1:-/S}"
shift || true
extra=("$@")
seconds="${QS_RUN_SECONDS:-22}"

fail() { echo "run: FAILED: $*" >&2; exit 1; }

[ -n "${QS_NO_SETUP:-}" ] || scripts/setup.sh || exit 1
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
qs_wine_choose || fail "no Wine loader to run the saver with"

scr=${QS_SCR:-}
if [ -z "$scr" ]; then
  echo "== build (win64)"
  cmake --preset win64 >/dev/null || fail "the build could not be configured"
  cmake --build --preset win64 --target QuilloSlides -j2 || fail "the build failed"
  scr=build/win64/src/QuilloSlides.scr
fi

out=${QS_OUT:-$root/out}
run="$out/run"
shots="$out/screenshots"
rm -rf "$run" "$shots"
mkdir -p "$run" "$shots"
cp "$scr" "$run/QuilloSlides.scr" || fail "no saver at $scr"
cp assets/sample/*.jpg assets/sample/*.gif assets/sample/*.bmp "$run/"
# Wine sees the Linux file system as drive Z:.
pictures="Z:$(printf '%s' "$run" | tr '/' '\\')"
sed -e "s|@PICTURES@|${pictures//\\/\\\\}|g" -e 's/$/\r/' assets/sample/QuilloSlides.INI.in >"$run/QuilloSlides.INI"

if [ -n "${DISPLAY:-}" ]; then export QS_KEEP_DISPLAY=1; fi
qs_wine_start || fail "Wine could not be started"
qs_wine_report

echo "== running QuilloSlides.scr $switch ${extra[*]:-} for ${seconds}s (display $DISPLAY)"
(cd "$run" && exec "$QS_WINE64" QuilloSlides.scr "$switch" "${extra[@]}") &
saver=$!

shot=0
deadline=$((SECONDS + seconds))
sleep 2
while [ $SECONDS -lt $deadline ] && kill -0 "$saver" 2>/dev/null; do
  shot=$((shot + 1))
  file="$shots/$(printf 'shot-%02d' $shot).png"
  import -window root "$file" 2>/dev/null && echo "   $file" || rm -f "$file"
  sleep 1.5
done
ended_early=""
if ! kill -0 "$saver" 2>/dev/null; then
  wait "$saver"
  ended_early="it ended after $((SECONDS - deadline + seconds)) s with exit status $?"
fi

if kill -0 "$saver" 2>/dev/null; then
  echo "== ending it with a key press"
  xdotool key space >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
fi
if kill -0 "$saver" 2>/dev/null; then
  echo "== still running: shutting Wine down"
  qs_wineserver -k >/dev/null 2>&1
fi
wait "$saver" 2>/dev/null
taken=$(find "$shots" -name 'shot-*.png' -size +0 | wc -l)
case ${switch^^} in
  /S*|/C*|"") [ -z "$ended_early" ] || fail "the saver did not show for ${seconds} s: $ended_early" ;;
esac
[ "$taken" -gt 0 ] || fail "no screenshot was taken${ended_early:+ ($ended_early)}"
echo "== done: $taken screenshots in $shots; the settings file it wrote back: $run/QuilloSlides.INI"
