#!/usr/bin/env bash
# Draws the two pictures the dialogs carry as resources: the monitor that frames the
# settings dialog's live preview (MONITOR, 189 x 174 pixels) and the about box's logo
# (LOGO, 117 x 85 pixels). The GIFs are committed; run this again only to redraw them.
#
# The monitor's screen opening is laid out around the preview surface, which sits
# 18 pixels in from the picture's top-left corner and measures about 153 x 112 pixels
# (2290 x 1680 twips at 15 twips per pixel): the dark recess shows 4 pixels around it.
# The logo keeps clear of its top-right corner (from x 78, down to y 42), where the about
# box's title and version lines reach over the picture.
set -euo pipefail
cd "$(dirname "$0")/../assets"
convert=/usr/bin/convert   # ImageMagick itself, not a stand-in that may shadow it on PATH

"$convert" -size 189x174 xc:none \
  -fill '#8a877c' -draw 'roundrectangle 1,1 187,149 10,10' \
  -fill '#e6e2d6' -draw 'roundrectangle 2,2 185,147 9,9' \
  -fill '#cfcbbf' -draw 'roundrectangle 4,4 186,148 8,8' \
  -fill '#d8d4c8' -draw 'roundrectangle 4,4 184,146 8,8' \
  -fill '#9a978c' -draw 'rectangle 12,12 176,136' \
  -fill '#f2efe6' -draw 'rectangle 13,13 176,136' \
  -fill '#1f2226' -draw 'rectangle 13,13 175,135' \
  -fill '#2e3338' -draw 'rectangle 15,15 173,133' \
  -fill '#4a6fa0' -draw 'rectangle 18,18 170,129' \
  -fill '#5e5b52' -draw 'rectangle 120,139 160,141' \
  -fill '#2d7a2d' -draw 'circle 172,140 174,140' \
  -fill '#7ee07e' -draw 'point 171,139' \
  -fill '#8a877c' -draw 'polygon 76,148 112,148 118,162 70,162' \
  -fill '#c4c0b4' -draw 'polygon 78,148 110,148 115,161 73,161' \
  -fill '#8a877c' -draw 'roundrectangle 40,160 148,172 5,5' \
  -fill '#d8d4c8' -draw 'roundrectangle 41,161 147,170 4,4' \
  -fill '#e6e2d6' -draw 'line 45,162 143,162' \
  -channel A -threshold 50% +channel \
  +dither -colors 64 monitor.gif

"$convert" -size 117x85 xc:none \
  -fill '#7a7468' -draw 'translate 30,38 rotate -10 roundrectangle -27,-21 27,21 3,3' \
  -fill '#fbf8f0' -draw 'translate 30,38 rotate -10 roundrectangle -26,-20 26,20 3,3' \
  -fill '#8fb3d9' -draw 'translate 30,38 rotate -10 rectangle -22,-16 22,10' \
  -fill '#6f9a4a' -draw 'translate 30,38 rotate -10 polygon -22,10 -22,1 -8,-7 3,3 22,-4 22,10' \
  -fill '#7a7468' -draw 'roundrectangle 22,30 78,78 3,3' \
  -fill '#ffffff' -draw 'roundrectangle 23,31 77,77 3,3' \
  -fill '#a9cdf2' -draw 'rectangle 27,35 73,46' \
  -fill '#5d9be0' -draw 'rectangle 27,46 73,68' \
  -fill '#ffd23c' -draw 'circle 64,42 68,42' \
  -fill '#3f8a3a' -draw 'polygon 27,68 27,58 39,50 49,59 60,52 73,61 73,68' \
  -fill '#2f6e2b' -draw 'polygon 43,68 57,59 73,65 73,68' \
  -stroke '#4a2e14' -strokewidth 1.5 -draw 'line 66,84 114,46' -stroke none \
  -fill '#8e2b2b' -draw 'polygon 115,45 116,50 109,58 99,66 89,72 82,75 88,67 97,59 107,51' \
  -fill '#c94a3a' -draw 'polygon 115,45 111,45 103,50 94,56 86,63 82,75 91,68 100,61 109,53' \
  -stroke '#f0e6c8' -strokewidth 1 -draw 'line 114,46 84,72' -stroke none \
  -channel A -threshold 50% +channel \
  +dither -colors 64 logo.gif
