#!/usr/bin/env bash
# Draws the two pictures the dialogs carry as resources: the monitor that frames the
# settings dialog's live preview (MONITOR, 189 x 174 pixels) and the about box's logo
# (LOGO, 117 x 85 pixels). The GIFs are committed; run this again only to redraw them.
#
# The monitor's screen opening is laid out around the preview surface, which sits
# 18 pixels in from the picture's top-left corner and measures about 153 x 112 pixels
# (2290 x 1680 twips at 15 twips per pixel): the dark recess shows 4 pixels around it.
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
  -fill '#7a7468' -draw 'translate 36,46 rotate -12 roundrectangle -31,-24 31,24 3,3' \
  -fill '#fbf8f0' -draw 'translate 36,46 rotate -12 roundrectangle -30,-23 30,23 3,3' \
  -fill '#8fb3d9' -draw 'translate 36,46 rotate -12 rectangle -26,-19 26,12' \
  -fill '#6f9a4a' -draw 'translate 36,46 rotate -12 polygon -26,12 -26,2 -10,-8 4,4 26,-4 26,12' \
  -fill '#7a7468' -draw 'roundrectangle 34,22 98,74 3,3' \
  -fill '#ffffff' -draw 'roundrectangle 35,23 97,73 3,3' \
  -fill '#a9cdf2' -draw 'rectangle 39,27 93,40' \
  -fill '#5d9be0' -draw 'rectangle 39,40 93,64' \
  -fill '#ffd23c' -draw 'circle 83,35 87,35' \
  -fill '#3f8a3a' -draw 'polygon 39,64 39,52 52,43 63,53 76,45 93,56 93,64' \
  -fill '#2f6e2b' -draw 'polygon 56,64 71,54 93,61 93,64' \
  -stroke '#4a2e14' -strokewidth 1.5 -draw 'line 72,83 113,3' -stroke none \
  -fill '#8e2b2b' -draw 'polygon 113,3 116,8 112,22 104,36 95,50 88,58 91,44 98,30 106,14' \
  -fill '#c94a3a' -draw 'polygon 113,3 108,4 102,14 96,28 90,42 88,58 95,46 101,32 107,18' \
  -stroke '#f0e6c8' -strokewidth 1 -draw 'line 112,5 89,55' -stroke none \
  -channel A -threshold 50% +channel \
  +dither -colors 64 logo.gif
