; The setup of Quillo Slide Show: one per-user setup for 32-bit and 64-bit Windows that
; installs the saver fitting the machine, can make it the screen saver, and registers an
; uninstaller that keeps the user's slide show unless asked otherwise.
;
; installer/CMakeLists.txt runs makensis with:
;   VERSION   the program's version, x.y.z      OUTFILE   the setup to write
;   SCR64     the x86-64 QuilloSlides.scr       SCR32     the i686 one
;   SRCDIR    the project's root (licence and icon)
;   TARGET    optional: another stub (amd64-unicode) for the copy the tests run where
;             Wine has no 32-bit side; the shipped setup is the 32-bit stub, which runs
;             on every Windows.

Unicode true
!ifdef TARGET
  Target ${TARGET}
  ; A 64-bit stub knows at build time that it runs on 64-bit Windows, so the 32-bit
  ; branch below goes unused there.
  !pragma warning disable 6012
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include Sections.nsh

!define APP "Quillo Slide Show"
!define PUBLISHER "Brindle"
!define SCR "QuilloSlides.scr"
; The saver reads and writes its settings in a file beside it, named after it.
!define SETTINGS_FILE "QuilloSlides.INI"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuilloSlideShow"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SHORTCUT "$SMPROGRAMS\Quillo Slide Show Settings.lnk"

Name "${APP}"
OutFile "${OUTFILE}"
; Everything goes into the user's own folders and registry: no administrator rights.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APP}"
; An upgrade goes where the installed copy is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${APP} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${SRCDIR}/assets/QuilloSlides.ico"
!define MUI_UNICON "${SRCDIR}/assets/QuilloSlides.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "This installs ${APP}, a screen saver that shows your own pictures, for you alone: no administrator rights are needed, and nothing changes for the other users of this computer.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SRCDIR}/LICENSE"
!define MUI_PAGE_HEADER_TEXT "Options"
!define MUI_PAGE_HEADER_SUBTEXT "Choose how ${APP} is set up."
!define MUI_COMPONENTSPAGE_TEXT_TOP "${APP} is installed for you alone, in $INSTDIR. Untick what you do not want, then click Install."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Options:"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${SCR}"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/C"
!define MUI_FINISHPAGE_RUN_TEXT "Open the settings"
!insertmacro MUI_PAGE_FINISH

!define MUI_PAGE_HEADER_TEXT "Uninstall ${APP}"
!define MUI_PAGE_HEADER_SUBTEXT "Remove ${APP} from this computer."
!define MUI_COMPONENTSPAGE_TEXT_TOP "${APP} will be removed from $INSTDIR. Your slide show settings stay there unless you tick the box."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Options:"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.HideSpaceRequired
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 the Quillo Slide Show developers"

; The saver that fits the machine: .onInit leaves one of these two selected, so the
; options page counts only its size. Either overwrites an older saver; the settings file
; is never part of the setup, so it stays.
Section "-Saver64" saver64
  SetOutPath "$INSTDIR"
  File "/oname=${SCR}" "${SCR64}"
SectionEnd

Section "-Saver32" saver32
  SetOutPath "$INSTDIR"
  File "/oname=${SCR}" "${SCR32}"
SectionEnd

Function .onInit
  ${If} ${RunningX64}
    !insertmacro UnselectSection ${saver32}
  ${Else}
    !insertmacro UnselectSection ${saver64}
  ${EndIf}
FunctionEnd

Section "-Program"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${SCR}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Use ${APP} as my screen saver"
  ; The short form: the system's screen-saver setting has always held 8.3 paths.
  GetFullPathName /SHORT $0 "$INSTDIR\${SCR}"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  ; SPI_SETSCREENSAVEACTIVE with SPIF_UPDATEINIFILE | SPIF_SENDCHANGE: the running session
  ; takes the change without a new logon.
  System::Call "user32::SystemParametersInfoW(i 17, i 1, p 0, i 3)"
SectionEnd

Section 'Start-menu shortcut "Quillo Slide Show Settings"'
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${SCR}" "/C" "$INSTDIR\${SCR}" 0
SectionEnd

; Removing frees no space worth showing.
Function un.HideSpaceRequired
  GetDlgItem $0 $mui.ComponentsPage 1023
  ShowWindow $0 ${SW_HIDE}
FunctionEnd

Section "-un.Program"
  ; The screen-saver setting is cleared only while it still names this saver, in either
  ; path form; a saver chosen since stays. The short form needs the file, so this comes first.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCmp $0 "" keepSaver
  StrCmp $0 "$INSTDIR\${SCR}" clearSaver
  GetFullPathName /SHORT $1 "$INSTDIR\${SCR}"
  GetFullPathName /SHORT $2 $0
  StrCmp $2 "" keepSaver
  StrCmp $2 $1 clearSaver keepSaver
clearSaver:
  DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
keepSaver:
  Delete "$INSTDIR\${SCR}"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Goes only when empty: the settings file keeps it otherwise.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Also remove my slide show settings"
  Delete "$INSTDIR\${SETTINGS_FILE}"
  RMDir "$INSTDIR"
SectionEnd
