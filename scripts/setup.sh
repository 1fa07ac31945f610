#!/usr/bin/env bash
# Installs what building, running and testing Quillo Slide Show needs on a Debian machine.
# Safe to run again: packages already present are skipped.
set -uo pipefail

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev libstb-dev
          mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686
          wine wine64 xvfb xauth xdotool imagemagick python3 nsis
          clang libfuzzer-14-dev libx11-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  # 32-bit Wine needs the i386 architecture; adding it before the one package-list update
  # lets us try wine32 without a second update.
  $SUDO dpkg --add-architecture i386 || true
  $SUDO apt-get update -q || echo "setup: apt-get update reported errors; going on with the lists it has"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}" || {
    echo "setup: apt-get install failed" >&2; exit 1; }
fi

# 32-bit Wine is optional: its i386 dependencies often lag the installed 64-bit libraries.
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  if [ ! -e /tmp/.qs-wine32-tried ]; then
    touch /tmp/.qs-wine32-tried
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends wine32:i386 >/dev/null 2>&1 \
      && echo "setup: wine32 installed" || echo "setup: wine32 (i386) cannot be installed here; 32-bit Windows tests will be skipped"
  fi
fi
exit 0
