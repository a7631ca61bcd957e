; The Windows installer, built by scripts/build-windows with Debian's NSIS:
;   makensis -DVERSION=1.0.0 -DDIST=<folder> -DICON=<.ico> -DOUTFILE=<setup.exe> orvel-kite.nsi
; It installs the program folder (default "%ProgramFiles%\Orvel Kite"),
; writes the folder to the registry value the screensaver reads, puts
; "Orvel Kite.scr" into the system folder where Windows lists screensavers,
; and registers its uninstaller in Apps & features. Silent use:
;   orvel-kite-setup.exe /S [/CURRENT] [/D=C:\Folder]   (/CURRENT: make it the current screensaver)
;   uninstall.exe /S [/PURGE]                             (/PURGE: delete the settings too)

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Orvel Kite"
!define PUBLISHER "quorvant"
!define SETTINGS_KEY "Software\quorvant\Orvel Kite\Settings"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvel Kite"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SETTINGS_FILE "quorvant_Orvel Kite_cfg"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Make ${PRODUCT} my screensaver"
!define MUI_FINISHPAGE_RUN_FUNCTION MakeCurrent
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the Screen Saver Settings"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The files of the program folder; the uninstaller deletes exactly these.
!macro ProgramFiles Do
  !insertmacro ${Do} "Orvel Kite.exe"
  !insertmacro ${Do} "config.exe"
  !insertmacro ${Do} "main.pak"
  !insertmacro ${Do} "utils.pak"
  !insertmacro ${Do} "clock.pak"
  !insertmacro ${Do} "calendar.pak"
  !insertmacro ${Do} "preview.ppk"
  !insertmacro ${Do} "README.txt"
!macroend
!macro InstallFile Name
  File "${DIST}\${Name}"
!macroend
!macro DeleteFile Name
  Delete "$INSTDIR\${Name}"
!macroend

Function .onInit
  SetRegView 64
  ; A second install goes where the first one is.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\*.*"
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function MakeCurrent
  ; The screensaver of the user who runs the setup, and the system told at
  ; once. Its path is stored in its short form, as Screen Saver Settings
  ; does, since what starts it may not quote a path with spaces.
  GetFullPathName /SHORT $0 "$SYSDIR\${PRODUCT}.scr"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})'
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\rundll32.exe" shell32.dll,Control_RunDLL desk.cpl,,1'
FunctionEnd

Section "Orvel Kite"
  SetRegView 64
  SetOutPath "$INSTDIR"
  !insertmacro ProgramFiles InstallFile
  ; The system folder of this 64-bit installer is the real System32.
  SetOutPath "$SYSDIR"
  File "/oname=${PRODUCT}.scr" "${DIST}\Orvel Kite.exe"
  SetOutPath "$INSTDIR"
  ; The programs append file names to the folder, so it ends with a backslash.
  WriteRegStr HKLM "${SETTINGS_KEY}" "Path" "$INSTDIR\"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\config.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${GetSize} "$SYSDIR" "/M=${PRODUCT}.scr /S=0K /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CURRENT" $1
  ${IfNot} ${Errors}
    Call MakeCurrent
  ${EndIf}
SectionEnd

Section "un.Orvel Kite" UnProgram
  SectionIn RO
  SetRegView 64
  ; Windows would otherwise keep a screensaver that is no longer there.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $1 "$SYSDIR\${PRODUCT}.scr"
  Delete "$SYSDIR\${PRODUCT}.scr"
  ${If} $0 == "$SYSDIR\${PRODUCT}.scr"
  ${OrIf} $0 == $1
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATE_AND_SEND})'
  ${EndIf}
  !insertmacro ProgramFiles DeleteFile
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: it may be one the user chose and filled.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "Software\quorvant\Orvel Kite"
  DeleteRegKey /ifempty HKLM "Software\quorvant"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Delete my settings" UnSettings
  SetShellVarContext all
  ; All that the programs write: the settings file, the writers' lock beside
  ; it, and any temporary file a writer that was ended midway left.
  Delete "$APPDATA\${SETTINGS_FILE}"
  Delete "$APPDATA\${SETTINGS_FILE}.lock"
  Delete "$APPDATA\${SETTINGS_FILE}.tmp-*"
SectionEnd

Function un.onInit
  SetRegView 64
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PURGE" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${UnSettings} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
