#!/usr/bin/env bash
# The setup and its uninstaller under Wine, silently: a fresh install, the installed saver's
# settings dialog, an upgrade over a copy with a settings file, and two uninstalls (the
# screen-saver setting naming our saver, then naming another one).
#   installer_test.sh <setup> <setup on the 64-bit stub> <built 64-bit saver> <version>
# Runs in the prefix and on the display that scripts/wine-env.sh's qs_wine_start set up.
set -u
setup=$1 setup_x64=$2 built_scr=$3 version=$4
source "$(dirname "$0")/../../scripts/wine-env.sh"
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] && qs_wine_choose ||
  { echo "installer test: run it after qs_wine_start" >&2; exit 1; }
# The shipped setup is a 32-bit program; without 32-bit Wine its 64-bit twin stands in.
qs_wine32_available || setup=$setup_x64

failures=0
check() { local what=$1; shift; "$@" && return 0; echo "FAILED: $what" >&2; failures=$((failures + 1)); return 1; }
# Waits on a condition for up to 20 seconds.
wait_until() { local i; for i in $(seq 1 100); do "$@" && return 0; sleep 0.2; done; return 1; }
win() { qs_wine cmd /c echo "$1" | tr -d '\r'; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuilloSlideShow'
desktop_key='HKCU\Control Panel\Desktop'
win_dir="$(win %LOCALAPPDATA%)\\Programs\\Quillo Slide Show"
dir=$(qs_wine winepath -u "$win_dir")
lnk="$(qs_wine winepath -u "$(win %APPDATA%)")/Microsoft/Windows/Start Menu/Programs/Quillo Slide Show Settings.lnk"
other_dir="$WINEPREFIX/drive_c/Other Saver"
# The clean-up removes these folders: never anything outside the prefix.
[[ $dir == "$WINEPREFIX"/* && $lnk == "$WINEPREFIX"/* ]] || { echo "installer test: no prefix paths" >&2; exit 1; }
saved="$(mktemp -d)"
cleanup() {
  rm -rf "$dir" "$other_dir" "$lnk" "$saved"
  qs_wine reg delete "$uninstall_key" /f >/dev/null 2>&1
  qs_wine reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
}
trap cleanup EXIT

# One value's data as the registry API reads it back; empty when it is missing.
reg_value() { qs_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
entry_gone() { ! qs_wine reg query "$uninstall_key" >/dev/null 2>&1; }
# Runs the entry's QuietUninstallString; the uninstaller goes on from a copy of itself after
# the started one returns, and removes the entry last.
uninstall() {
  local quiet; quiet=$(reg_value "$uninstall_key" QuietUninstallString)
  [[ $quiet =~ ^\"([^\"]+)\"\ (.+)$ ]] && qs_wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} && wait_until entry_gone
}
carries_version() { strings -a -el "$1" | grep -A1 -x ProductVersion | grep -qx "$version"; }
names_installed_saver() { [[ $1 != *" "* ]] && [ "$(qs_wine winepath -u "$1")" -ef "$dir/QuilloSlides.scr" ]; }

echo "== fresh install"
check "silent install" qs_wine "$setup" /S
check "the 64-bit saver in the user's programs folder" cmp -s "$built_scr" "$dir/QuilloSlides.scr"
check "the uninstaller beside it" test -f "$dir/Uninstall.exe"
check "the setup carries the version" carries_version "$setup"
check "the uninstaller carries the version" carries_version "$dir/Uninstall.exe"
saver_value=$(reg_value "$desktop_key" SCRNSAVE.EXE)
check "SCRNSAVE.EXE ($saver_value) names the installed saver, short form" names_installed_saver "$saver_value"
check "ScreenSaveActive" test "$(reg_value "$desktop_key" ScreenSaveActive)" = 1
expected=("DisplayName=Quillo Slide Show" "DisplayVersion=$version" "Publisher=Brindle"
  "DisplayIcon=$win_dir\\QuilloSlides.scr" "InstallLocation=$win_dir"
  "UninstallString=\"$win_dir\\Uninstall.exe\"" "QuietUninstallString=\"$win_dir\\Uninstall.exe\" /S"
  "NoModify=0x1" "NoRepair=0x1")
for e in "${expected[@]}"; do
  check "uninstall entry: $e" test "$(reg_value "$uninstall_key" "${e%%=*}")" = "${e#*=}"
done
size=$(reg_value "$uninstall_key" EstimatedSize)
check "EstimatedSize in KB covers the saver" test $((${size:-0})) -ge $(($(stat -c %s "$built_scr") / 1024))
check "the shortcut runs the installed saver" grep -qF "$win_dir\\QuilloSlides.scr" <(strings -a -n 2 -el "$lnk")
check "with /C" grep -qx '/C' <(strings -a -n 2 -el "$lnk")

echo "== the installed saver opens its settings with /C, and OK writes them beside it"
qs_wine "$win_dir\\QuilloSlides.scr" /C &
saver=$!
dialog_shown() { xdotool search --onlyvisible --name '^Quillo Screen Saver Settings$' >/dev/null 2>&1; }
saver_ended() { ! kill -0 "$saver" 2>/dev/null; }
if check "the settings dialog opens" wait_until dialog_shown; then
  xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Quillo Screen Saver Settings$' | head -1)" key alt+o
fi
check "OK ends the saver" wait_until saver_ended
saver_ended || kill "$saver"
check "QuilloSlides.INI written beside the installed saver" test -s "$dir/QuilloSlides.INI"

echo "== upgrade over an older copy with a settings file"
cp "$dir/QuilloSlides.INI" "$saved/settings"
printf 'an older saver' >"$dir/QuilloSlides.scr"
qs_wine reg add "$uninstall_key" /v DisplayVersion /d 1.0.0 /f >/dev/null 2>&1
check "silent upgrade" qs_wine "$setup" /S
check "the saver replaced" cmp -s "$built_scr" "$dir/QuilloSlides.scr"
check "DisplayVersion updated" test "$(reg_value "$uninstall_key" DisplayVersion)" = "$version"
check "QuilloSlides.INI byte for byte the same" cmp -s "$saved/settings" "$dir/QuilloSlides.INI"

echo "== silent uninstall while our saver is the screen saver"
check "silent uninstall" uninstall
check "the saver removed" test ! -e "$dir/QuilloSlides.scr"
check "the uninstaller removed" test ! -e "$dir/Uninstall.exe"
check "the shortcut removed" test ! -e "$lnk"
check "QuilloSlides.INI kept" cmp -s "$saved/settings" "$dir/QuilloSlides.INI"
check "SCRNSAVE.EXE cleared" test -z "$(reg_value "$desktop_key" SCRNSAVE.EXE)"

echo "== silent uninstall after another screen saver was chosen"
mkdir -p "$other_dir" && cp "$built_scr" "$other_dir/Other.scr"
check "silent install again" qs_wine "$setup" /S
qs_wine reg add "$desktop_key" /v SCRNSAVE.EXE /d 'C:\Other Saver\Other.scr' /f >/dev/null 2>&1
check "silent uninstall" uninstall
check "SCRNSAVE.EXE left naming the other saver" test "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = 'C:\Other Saver\Other.scr'

echo "installer: $failures failed checks"
[ "$failures" -eq 0 ]
