#!/usr/bin/env bash
# Screenshots of the settings dialog (with its live preview running the sample slide
# show), of the about box, of the slide-show editor and of the show options, as Wine shows
# them at 96 DPI on a virtual display: out/screenshots/settings-dialog.png, about-box.png,
# editor.png, show-options.png
# QS_DPI=192 shows them at another scaling (192 is 200 %), named e.g. editor-192dpi.png.
# The about box shows a configured link and notice, so that a long list can be judged.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh || exit 1
cmake --preset win64 >/dev/null || { echo "screenshots: configure failed" >&2; exit 1; }
cmake --build --preset win64 --target QuilloSlides -j2 || { echo "screenshots: build failed" >&2; exit 1; }

run="$root/out/dialogs"
shots="$root/out/screenshots"
suffix=${QS_DPI:+-${QS_DPI}dpi}
rm -rf "$run"
mkdir -p "$run" "$shots"
cp build/win64/src/QuilloSlides.scr "$run/"
cp assets/sample/*.jpg assets/sample/*.gif assets/sample/*.bmp "$run/"
pictures="Z:$(printf '%s' "$run" | tr '/' '\\')"
{
  sed -e "s|@PICTURES@|${pictures//\\/\\\\}|g" assets/sample/QuilloSlides.INI.in
  printf '%s\n' '[AboutDlg]' 'HyperlinkDesc1=Author'"'"'s homepage:' 'HyperlinkValue1=https://quillo-slides.example/' \
    'HyperLinkPopupHelp1=Visit the home page' 'HyperlinkDesc2=Downloads and updates:' \
    'HyperlinkValue2=https://quillo-slides.example/download/' \
    'Warning1=Your own pictures as a screen saver.' 'Warning2=Free to copy and share.'
} | sed -e 's/$/\r/' >"$run/QuilloSlides.INI"

# A display as large in inches as the usual 1024 x 768 at 96 dpi, as a screen of that scaling is.
dpi=${QS_DPI:-96}
export QS_DISPLAY_SIZE=${QS_DISPLAY_SIZE:-$((1024 * dpi / 96))x$((768 * dpi / 96))x24}
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
qs_wine_start || { echo "screenshots: FAILED: Wine could not be started" >&2; exit 1; }
# Without a window manager Wine leaves windows undecorated; drawing its own frames shows
# each dialog whole, title bar and border included, as Windows draws it.
qs_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

# Waits up to 20 seconds for a window with exactly this title; prints its X window id.
wait_window() {
  local id="" i
  for i in $(seq 1 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Saves the window's part of the screen (Wine draws its own frame without a window manager).
shoot() {
  local id=$1 file=$2 x y w h
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x=$X; y=$Y; w=$WIDTH; h=$HEIGHT
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$file" && echo "   $file"
}

# shoot_dialog <owner> <key> <title> <picture name> <what>: opens a dialog from its owner
# with a key, takes its picture and closes it with Escape.
shoot_dialog() {
  local opened
  xdotool windowfocus --sync "$1" key "$2"
  opened=$(wait_window "$3") || { echo "screenshots: $5 did not open" >&2; return 1; }
  sleep 0.5
  shoot "$opened" "$shots/$4$suffix.png"
  xdotool windowfocus --sync "$opened" key Escape
}

(cd "$run" && exec "$QS_WINE64" QuilloSlides.scr /c) &
saver=$!

status=0
if dialog=$(wait_window "Quillo Screen Saver Settings"); then
  sleep 3 # the preview's first slides
  shoot "$dialog" "$shots/settings-dialog$suffix.png"
  shoot_dialog "$dialog" alt+a "About Quillo Slide Show" about-box "the about box" || status=1
  sleep 0.5
  xdotool windowfocus --sync "$dialog" key alt+e
  if editor=$(wait_window "Edit Slide Show"); then
    # Down twice: the second slide selected (the first one shows from the start, so selecting
    # it alone changes nothing): its path, its position and its preview.
    xdotool windowfocus --sync "$editor" key Down key Down
    sleep 1
    shoot "$editor" "$shots/editor$suffix.png"
    xdotool windowfocus --sync "$editor" key alt+c
  else
    echo "screenshots: the editor did not open" >&2; status=1
  fi
  sleep 0.5
  shoot_dialog "$dialog" alt+p "Show Options" show-options "the options dialog" || status=1
  sleep 0.5
  xdotool windowfocus --sync "$dialog" key alt+c
else
  echo "screenshots: the settings dialog did not open" >&2; status=1
fi

for _ in $(seq 1 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill -0 "$saver" 2>/dev/null && qs_wineserver -k >/dev/null 2>&1
wait "$saver" 2>/dev/null
for picture in settings-dialog about-box editor show-options; do
  [ -s "$shots/$picture$suffix.png" ] || { echo "screenshots: FAILED: no $shots/$picture$suffix.png" >&2; status=1; }
done
exit $status
