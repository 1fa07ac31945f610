#!/usr/bin/env bash
# Draws the pictures of the sample slide show (assets/sample) and the saver's test
# pictures (tests/data/saver) with ImageMagick. Run once; the results are committed.
# Every picture is drawn from shapes and gradients here, so the project owns them all.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "make-pictures: ImageMagick's convert is missing (scripts/setup.sh)" >&2; exit 1; }

sample=assets/sample
data=tests/data/saver
mkdir -p "$sample" "$data"
# No time stamps or comments in the files: the same script gives the same bytes.
strip=(-strip -define png:exclude-chunks=date,time)

# A harbour at dusk: a sky gradient, the sea, a sun and a sail (JPEG, 800 x 600, 4:3).
convert -size 800x380 gradient:'#1c2b5a-#f4a259' \
    \( -size 800x220 gradient:'#1d4e89-#0b1d33' \) -append \
    -fill '#ffd166' -draw 'circle 560,330 560,280' \
    -fill '#0b1d33' -draw 'rectangle 0,380 800,384' \
    -fill '#3d2b1f' -draw 'polygon 220,470 380,470 350,500 250,500' \
    -fill '#f1faee' -draw 'polygon 300,465 300,330 370,465' \
    -fill '#e63946' -draw 'polygon 295,465 295,360 240,465' \
    "${strip[@]}" -quality 88 "$sample/harbour.jpg"

# A meadow panorama: hills against the sky (JPEG, 1200 x 400, much wider than the screen's shape).
convert -size 1200x400 gradient:'#8ecae6-#e0f4ff' \
    -fill '#52b788' -draw 'ellipse 250,420 420,160 180,360' \
    -fill '#2d6a4f' -draw 'ellipse 850,440 520,190 180,360' \
    -fill '#95d5b2' -draw 'ellipse 600,470 700,120 180,360' \
    -fill '#ffb703' -draw 'circle 1040,90 1040,50' \
    "${strip[@]}" -quality 85 "$sample/meadow.jpg"

# A lighthouse (Windows bitmap, 240 x 360, upright).
convert -size 240x360 gradient:'#023047-#219ebc' \
    -fill '#8d99ae' -draw 'rectangle 0,320 240,360' \
    -fill '#edf2f4' -draw 'polygon 95,320 145,320 135,110 105,110' \
    -fill '#d90429' -draw 'rectangle 101,200 139,230' -draw 'rectangle 97,270 143,300' \
    -fill '#2b2d42' -draw 'rectangle 100,85 140,110' \
    -fill '#ffd60a' -draw 'rectangle 106,90 134,106' \
    -fill '#d90429' -draw 'polygon 96,85 144,85 120,60' \
    "${strip[@]}" -type TrueColor "BMP3:$sample/lighthouse.bmp"

# Tiles in four colours with a frame (GIF, 320 x 240).
convert -size 160x120 xc:'#e63946' xc:'#2a9d8f' +append \
    \( -size 160x120 xc:'#457b9d' xc:'#e9c46a' +append \) -append \
    -fill none -stroke '#1d3557' -strokewidth 8 -draw 'rectangle 4,4 315,235' \
    -stroke '#f1faee' -strokewidth 4 -draw 'circle 160,120 160,60' \
    "${strip[@]}" "$sample/tiles.gif"

# Rings at night (GIF, 300 x 300, square).
convert -size 300x300 xc:'#10002b' \
    -fill none -strokewidth 10 \
    -stroke '#e0aaff' -draw 'circle 150,150 150,30' \
    -stroke '#c77dff' -draw 'circle 150,150 150,60' \
    -stroke '#9d4edd' -draw 'circle 150,150 150,90' \
    -fill '#ffd60a' -stroke none -draw 'circle 150,150 150,125' \
    "${strip[@]}" "$sample/rings.gif"

# Test pictures: four flat quadrants (red, green / blue, yellow), 320 x 240, as GIF and
# JPEG, so that a test can predict the colour at any point away from the edges.
convert -size 160x120 xc:'#ff0000' xc:'#00ff00' +append \
    \( -size 160x120 xc:'#0000ff' xc:'#ffff00' +append \) -append \
    "${strip[@]}" "$data/quadrants.gif"
convert -size 160x120 xc:'#ff0000' xc:'#00ff00' +append \
    \( -size 160x120 xc:'#0000ff' xc:'#ffff00' +append \) -append \
    "${strip[@]}" -quality 95 "$data/quadrants.jpg"

ls -l "$sample" "$data"
