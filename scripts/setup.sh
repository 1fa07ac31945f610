#!/usr/bin/env bash
# Installs what building, running and testing Quillo Slide Show needs on a Debian machine.
# Safe to run again: packages already present are skipped, and 32-bit Wine is tried once.
set -uo pipefail

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev libstb-dev
          mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686
          wine wine64 xvfb xauth xdotool imagemagick python3 nsis
          clang libfuzzer-14-dev libx11-dev)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
apt_get() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get -q "$@"; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_get update || echo "setup: apt-get update reported errors; going on with the lists it has"
  apt_get install -y "${missing[@]}" || { echo "setup: apt-get install failed" >&2; exit 1; }
fi

# 32-bit Wine (wine32:i386) is optional, and kept only where its loader runs. Where the
# kernel refuses 32-bit executables the package still installs, and Debian's wine wrapper
# then prefers its loader and fails for every program, 64-bit ones too.
wine32_loader=/usr/lib/wine/wine
# shellcheck source=scripts/wine-env.sh
source "$(dirname "$0")/wine-env.sh"
state=${XDG_CACHE_HOME:-$HOME/.cache}/quillo-slides/wine32-tried

# Removed once, never tried again.
remove_wine32() {
  echo "setup: removing wine32:i386: $1"
  mkdir -p "$(dirname "$state")" && touch "$state"
  apt_get remove -y wine32:i386 >/dev/null 2>&1 || echo "setup: could not remove wine32:i386" >&2
}

if installed wine32:i386; then
  if ! out=$("$wine32_loader" --version 2>&1); then
    case $out in
      *"Exec format error"*) remove_wine32 "its loader cannot run: the kernel refuses 32-bit executables" ;;
      *) remove_wine32 "its loader does not run: ${out%%$'\n'*}" ;;
    esac
  fi
elif ! qs_kernel_runs_32bit; then
  echo "setup: 32-bit programs cannot run on this machine: the kernel refuses 32-bit executables"
elif [ ! -e "$state" ]; then
  mkdir -p "$(dirname "$state")" && touch "$state"
  echo "setup: trying 32-bit Wine (wine32:i386), once"
  if $SUDO dpkg --add-architecture i386 && apt_get update >/dev/null 2>&1 &&
     apt_get install -y wine32:i386 >/dev/null 2>&1; then
    if "$wine32_loader" --version >/dev/null 2>&1; then
      echo "setup: wine32 installed; 32-bit programs run"
    else
      remove_wine32 "it installed, but its loader does not run"
    fi
  else
    echo "setup: wine32 (i386) cannot be installed here; 32-bit Windows tests will be skipped"
  fi
fi
exit 0
