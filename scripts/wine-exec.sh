#!/usr/bin/env bash
# The Windows test programs' emulator (CMake's CROSSCOMPILING_EMULATOR):
#   wine-exec.sh 64|32 program [arguments]
# runs the program through the Wine loader of that width, as scripts/wine-env.sh chose it,
# and fails loudly where that loader does not run here.
source "$(dirname "$0")/wine-env.sh"
width=$1
shift
qs_wine_choose || exit 1
case $width in
  64) exec "$QS_WINE64" "$@" ;;
  32) [ -n "$QS_WINE32" ] || { echo "wine-exec: cannot run $1: $QS_WINE32_WHY" >&2; exit 1; }
      exec "$QS_WINE32" "$@" ;;
  *) echo "wine-exec: the first argument is 64 or 32, not '$width'" >&2; exit 2 ;;
esac
