#!/usr/bin/env bash
# Runs the save-failure suite with the two folders only a mount can make, each holding the saver and its
# settings: one on a file system mounted read-only, one on a nearly full one. Mounting needs root; where a
# mount is refused, that case is skipped and this says why.
#   run.sh <saver> <the suite's program> [its arguments]
set -u
saver=$1 program=$2
shift 2
source "$(dirname "$0")/../../../../scripts/wine-env.sh"
qs_wine_choose || exit 1
work=$(mktemp -d)
mounted=()
cleanup() {
  local m
  for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || umount -l "$m"; done
  rm -rf "$work"
}
trap cleanup EXIT

# A small file system at <folder> with the saver and <slides> slides in its settings.
prepare() {
  local folder=$1 slides=$2 i
  mkdir -p "$folder"
  if ! mount -t tmpfs -o size=8m tmpfs "$folder" 2>"$work/why"; then
    echo "save failures: the case on $(basename "$folder") is skipped: the mount was refused ($(head -1 "$work/why"))"
    return 1
  fi
  mounted+=("$folder")
  cp "$saver" "$folder/QuilloSlides.scr"
  {
    printf '[INIT]\r\nDelay_0=7\r\nPictureCount_0=%d\r\n' "$slides"
    for ((i = 1; i <= slides; i++)); do printf 'FileSpec_%d=C:\\pictures\\%d.jpg\r\nCenter_%d=-1\r\n' $i $i $i; done
  } >"$folder/QuilloSlides.INI"
}

if prepare "$work/unwritable" 1; then
  if mount -o remount,ro "$work/unwritable" 2>"$work/why"; then
    export QS_E2E_READ_ONLY_FOLDER=$work/unwritable
  else
    echo "save failures: the read-only folder case is skipped: $(head -1 "$work/why")"
  fi
fi
# Settings of about 30 KB on a file system with 16 KB left: the new file cannot be written beside them.
if prepare "$work/full" 600; then
  free=$(df --output=avail -B1 "$work/full" | tail -1)
  head -c $((free - 16384)) /dev/zero >"$work/full/filler" 2>/dev/null
  export QS_E2E_FULL_DISK_FOLDER=$work/full
fi
"$QS_WINE64" "$program" "$@"
