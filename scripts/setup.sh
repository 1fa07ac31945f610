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
state=${XDG_CACHE_HOME:-$HOME/.cache}/quillo-slides/wine32-tried

# A 93-byte 32-bit x86 Linux program that exits with status 32: the kernel's own answer,
# asked before any i386 package is fetched.
kernel_runs_32bit() {
  local probe status
  mkdir -p "$(dirname "$state")" && probe=$(mktemp -p "$(dirname "$state")") || return 1
  local elf='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0'
  elf+='\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08'
  elf+='\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0\xb8\x01\0\0\0\xb3\x20\xcd\x80'
  printf "$elf" >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  status=$?
  rm -f "$probe"
  [ $status -eq 32 ]
}

remove_wine32() {
  echo "setup: removing wine32:i386: $1"
  apt_get remove -y wine32:i386 >/dev/null 2>&1 || echo "setup: could not remove wine32:i386" >&2
}

if installed wine32:i386; then
  if ! out=$("$wine32_loader" --version 2>&1); then
    case $out in
      *"Exec format error"*) remove_wine32 "its loader cannot run: the kernel refuses 32-bit executables" ;;
      *) remove_wine32 "its loader does not run: ${out%%$'\n'*}" ;;
    esac
  fi
elif ! kernel_runs_32bit; then
  echo "setup: 32-bit programs cannot run on this machine: the kernel refuses 32-bit executables"
elif [ ! -e "$state" ]; then
  touch "$state"
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
