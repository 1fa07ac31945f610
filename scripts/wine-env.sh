# Sourced by the test and run scripts: one virtual display, one fresh Wine prefix and one
# persistent wineserver for the whole run, all removed again when the script exits.
# Honours QS_DISPLAY_SIZE (default 1024x768x24), QS_SECOND_SCREEN (see qs_two_monitor_run)
# and QS_DPI (the display's scaling in dots per inch, 96 when unset; see qs_dpi_run).

qs_wine_start() {
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
  wineboot -i >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "${QS_SECOND_SCREEN:-}" ]; then
    # Wine sees the monitors through Xinerama only without XRandR; read when the desktop
    # starts, so before the persistent server does.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${QS_DPI:-}" ]; then
    # The system's resolution, as the display settings' scaling sets it (192 is 200 %);
    # read when the desktop starts, so before the persistent server does.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$QS_DPI" /f >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
      /v LogPixels /t REG_DWORD /d "$QS_DPI" /f >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1 || true
  fi
  wineserver -p >/dev/null 2>&1
  # Start the prefix's background services now, with no output attached: started later
  # by a test program's first call that needs them, they would inherit its output and
  # keep a reader such as ctest waiting for the end of it for ever.
  wineboot >/dev/null 2>&1
  # A crashing program ends at once instead of waiting on the crash dialog for ever.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrash /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # The virtual display has no window manager. Wine would wait up to 2 s at every hidden
  # or closed top-level window for a manager to confirm it; unmanaged windows need no
  # confirmation. A display of the user's own keeps its manager.
  if [ -n "${QS_XVFB_PID:-}" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
  trap qs_wine_stop EXIT
}

qs_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  [ -n "${QS_XVFB_PID:-}" ] && kill "$QS_XVFB_PID" >/dev/null 2>&1
  [ -n "${QS_WINEPREFIX_OWNED:-}" ] && rm -rf "$QS_WINEPREFIX_OWNED"
  QS_XVFB_PID=""; QS_WINEPREFIX_OWNED=""
}

# True when this machine can run 32-bit Windows programs.
qs_wine32_available() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

# Runs a Windows program on a display of its own with a second, 800 x 600 monitor, in a
# fresh Wine session removed again when it ends. Xvfb puts both screens at the origin;
# one of another size is needed, as Wine reports a second monitor of the same rectangle
# as a copy of the first and enumerates one monitor.
qs_two_monitor_run() (
  unset QS_KEEP_DISPLAY DISPLAY
  QS_SECOND_SCREEN=800x600x24
  qs_wine_start
  wine "$@"
)

# Runs Windows programs one after another on a display of its own whose system
# resolution is QS_DPI dots per inch (192 when unset), in one fresh Wine session removed
# again when they end; fails when any of them fails. Arguments they share go through the
# environment (GTEST_FILTER, for instance).
qs_dpi_run() (
  unset QS_KEEP_DISPLAY DISPLAY
  QS_DPI=${QS_DPI:-192}
  qs_wine_start
  status=0
  for program in "$@"; do wine "$program" || status=1; done
  exit $status
)
