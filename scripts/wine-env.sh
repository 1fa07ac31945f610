# Sourced by the test and run scripts: one virtual display, one fresh Wine prefix and one
# persistent wineserver for the whole run, all removed again when the script exits.
# Honours QS_DISPLAY_SIZE (default 1024x768x24), QS_SECOND_SCREEN (see qs_two_monitor_run)
# and QS_DPI (the display's scaling in dots per inch, 96 when unset; see qs_dpi_run).

qs_wine_start() {
  qs_wine_choose || return 1
  # Wine stores a Windows file name on the Unix side in the locale's character set: with
  # none set (a bare CI shell), a folder named in Greek cannot be made at all.
  if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
    export LC_ALL=C.UTF-8
  fi
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ -z "${QS_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 140); do
      [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || break
    done
    # QS_SECOND_SCREEN adds a second screen, which Xinerama makes a second monitor.
    Xvfb ":${n}" ${QS_SECOND_SCREEN:++xinerama} -screen 0 "${QS_DISPLAY_SIZE:-1024x768x24}" \
      ${QS_SECOND_SCREEN:+-screen 1 "$QS_SECOND_SCREEN"} -nolisten tcp >/dev/null 2>&1 &
    QS_XVFB_PID=$!
    export DISPLAY=":${n}"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X${n}" ] && break
      sleep 0.1
    done
  fi
  export WINEPREFIX="$(mktemp -d /tmp/qs-wine.XXXXXX)"
  QS_WINEPREFIX_OWNED="$WINEPREFIX"
  # wineboot runs under a server of its own, which ends once the new prefix has
  # settled; only then does the persistent server start (one started before would
  # keep the wait from ever returning).
  qs_wine wineboot -i >/dev/null 2>&1
  qs_wineserver -w >/dev/null 2>&1 || true
  if [ -n "${QS_SECOND_SCREEN:-}" ]; then
    # Wine sees the monitors through Xinerama only without XRandR; read when the desktop
    # starts, so before the persistent server does.
    qs_wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
    qs_wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${QS_DPI:-}" ]; then
    # The system's resolution, as the display settings' scaling sets it (192 is 200 %);
    # read when the desktop starts, so before the persistent server does.
    qs_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$QS_DPI" /f >/dev/null 2>&1
    qs_wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
      /v LogPixels /t REG_DWORD /d "$QS_DPI" /f >/dev/null 2>&1
    qs_wineserver -w >/dev/null 2>&1 || true
  fi
  qs_wineserver -p >/dev/null 2>&1
  # Start the prefix's background services now, with no output attached: started later
  # by a test program's first call that needs them, they would inherit its output and
  # keep a reader such as ctest waiting for the end of it for ever.
  qs_wine wineboot >/dev/null 2>&1
  # A crashing program ends at once instead of waiting on the crash dialog for ever.
  qs_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrash /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # The virtual display has no window manager. Wine would wait up to 2 s at every hidden
  # or closed top-level window for a manager to confirm it; unmanaged windows need no
  # confirmation. A display of the user's own keeps its manager.
  if [ -n "${QS_XVFB_PID:-}" ]; then
    qs_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
  trap qs_wine_stop EXIT
}

qs_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && qs_wineserver -k >/dev/null 2>&1
  [ -n "${QS_XVFB_PID:-}" ] && kill "$QS_XVFB_PID" >/dev/null 2>&1
  [ -n "${QS_WINEPREFIX_OWNED:-}" ] && rm -rf "$QS_WINEPREFIX_OWNED"
  QS_XVFB_PID=""; QS_WINEPREFIX_OWNED=""
}

# True when this machine runs 32-bit Windows programs (a 32-bit loader ran).
qs_wine32_available() {
  qs_wine_choose >/dev/null 2>&1 && [ -n "$QS_WINE32" ]
}

# Runs a Windows program on a display of its own with a second, 800 x 600 monitor, in a
# fresh Wine session removed again when it ends. Xvfb puts both screens at the origin;
# one of another size is needed, as Wine reports a second monitor of the same rectangle
# as a copy of the first and enumerates one monitor.
qs_two_monitor_run() (
  unset QS_KEEP_DISPLAY DISPLAY
  QS_SECOND_SCREEN=800x600x24
  qs_wine_start || exit 1
  qs_wine "$@"
)

# Runs Windows programs one after another on a display of its own whose system
# resolution is QS_DPI dots per inch (192 when unset), in one fresh Wine session removed
# again when they end; fails when any of them fails. Arguments they share go through the
# environment (GTEST_FILTER, for instance).
qs_dpi_run() (
  unset QS_KEEP_DISPLAY DISPLAY
  QS_DPI=${QS_DPI:-192}
  qs_wine_start || exit 1
  status=0
  for program in "$@"; do qs_wine "$program" || status=1; done
  exit $status
)

# Wine's loaders, chosen by running them. Debian's /usr/bin/wine is a wrapper that takes the
# 32-bit loader whenever that file exists, even where the kernel refuses to execute it, and
# then fails for 64-bit programs too; so nothing here goes through it.
# qs_wine_choose sets and exports, once per run:
#   QS_WINE64       a 64-bit loader that ran (the function fails when none did)
#   QS_WINE32       a 32-bit loader that ran, or empty
#   QS_WINE32_WHY   when QS_WINE32 is empty: why, in one line
#   QS_WINESERVER   the server beside the 64-bit loader (else wineserver on PATH)
#   WINELOADER      the 64-bit loader, for the processes Wine itself starts
# Candidates for the 64-bit loader: wine64 on PATH, then QS_WINE_LIBDIR/wine64 (Debian's
# /usr/lib/wine by default). The 32-bit loader is the "wine" beside the chosen one.
qs_wine_choose() {
  [ -n "${QS_WINE64:-}" ] && [ -n "${QS_WINE_CHOSEN:-}" ] && return 0
  local libdir=${QS_WINE_LIBDIR:-/usr/lib/wine} candidate out
  QS_WINE64="" QS_WINE32="" QS_WINE32_WHY=""
  for candidate in "$(command -v wine64 2>/dev/null)" "$libdir/wine64"; do
    [ -n "$candidate" ] && [ -x "$candidate" ] || continue
    if qs_loader_runs "$candidate" >/dev/null; then QS_WINE64=$candidate; break; fi
  done
  if [ -z "$QS_WINE64" ]; then
    echo "wine: no 64-bit Wine loader runs on this machine (tried wine64 on PATH and $libdir/wine64)" >&2
    return 1
  fi
  candidate="$(dirname "$QS_WINE64")/wine"
  if ! qs_kernel_runs_32bit; then
    QS_WINE32_WHY="32-bit programs cannot run on this machine: the kernel refuses 32-bit executables"
  elif [ ! -e "$candidate" ]; then
    QS_WINE32_WHY="no 32-bit Wine loader is installed (Debian: wine32:i386)"
  elif ! out=$(qs_loader_runs "$candidate"); then
    case $out in
      *"Exec format error"*) QS_WINE32_WHY="32-bit programs cannot run on this machine: the kernel refuses 32-bit executables" ;;
      *) QS_WINE32_WHY="the 32-bit Wine loader $candidate does not run: ${out%%$'\n'*}" ;;
    esac
  else
    QS_WINE32=$candidate
  fi
  QS_WINESERVER="$(dirname "$QS_WINE64")/wineserver"
  [ -x "$QS_WINESERVER" ] || QS_WINESERVER=$(command -v wineserver 2>/dev/null || echo wineserver)
  export QS_WINE64 QS_WINE32 QS_WINE32_WHY QS_WINESERVER QS_WINE_CHOSEN=1 WINELOADER="$QS_WINE64"
}

# True when the kernel runs a 32-bit x86 program: a 93-byte one that exits with status 32.
qs_kernel_runs_32bit() {
  local probe status elf
  probe=$(mktemp "${TMPDIR:-/tmp}/qs-probe32.XXXXXX") || return 1
  elf='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0'
  elf+='\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08'
  elf+='\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0\xb8\x01\0\0\0\xb3\x20\xcd\x80'
  printf "$elf" >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  status=$?
  rm -f "$probe"
  [ $status -eq 32 ]
}

# Runs a loader's --version the way a program start would; prints what it said when it failed.
qs_loader_runs() {
  local out
  out=$(timeout 30 bash -c 'exec "$0" --version' "$1" 2>&1) && return 0
  printf '%s\n' "$out"
  return 1
}

# One line naming the loaders this run uses.
qs_wine_report() {
  echo "Wine: 64-bit programs through $QS_WINE64 ($("$QS_WINE64" --version 2>/dev/null));" \
       "${QS_WINE32:+32-bit programs through $QS_WINE32}${QS_WINE32_WHY:+no 32-bit run: $QS_WINE32_WHY}"
}

qs_wine() { "$QS_WINE64" "$@"; }
qs_wineserver() { "$QS_WINESERVER" "$@"; }
