; Installer of the program: a per-user install (no administrator rights),
; program folder with verbs.exe, the picture theme library and the help
; pages, a Start menu shortcut and an entry in the user's list of installed
; programs. /S installs or uninstalls silently; the uninstaller keeps the
; user's settings unless asked (a question, or /REMOVESETTINGS when silent).
;
; makensis -DVERSION=2.0.1 -DVERSION_TEXT=2.0.001 -DARCH=x64|x86
;          -DSTAGE=<folder with the files> -DICON=<verbs.ico> -DOUTFILE=<setup.exe> verbs.nsi

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Lexoria"
!define PUBLISHER "Tarnik"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\${PUBLISHER}\Verbs"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION_TEXT}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "FileDescription" "${PRODUCT} ${VERSION_TEXT} (${ARCH})"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "Copyright © 2004-2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\verbs.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString NeedsX64 ${LANG_RUSSIAN} "Эта версия программы для 64-разрядной Windows. Установите 32-разрядную версию."
LangString NeedsX64 ${LANG_ENGLISH} "This version of the program is for 64-bit Windows. Please install the 32-bit version."
LangString RemoveSettings ${LANG_RUSSIAN} "Удалить также ваши настройки и группы глаголов?"
LangString RemoveSettings ${LANG_ENGLISH} "Remove your settings and verb groups too?"

Function .onInit
  !if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "$(NeedsX64)" /SD IDOK
      Abort
    ${EndIf}
  !endif
FunctionEnd

Section "Program"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\verbs.exe"
  File "${STAGE}\Pictures.dll"
  SetOutPath "$INSTDIR\help"
  File "${STAGE}\help\*.*"

  ; The shortcut starts the program in its own folder, which the user owns:
  ; the program writes its web link file into its working folder.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\verbs.exe" "" "$INSTDIR\verbs.exe" 0

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION_TEXT}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\verbs.exe"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\verbs.exe"
  Delete "$INSTDIR\Pictures.dll"
  ; The web link file the program writes beside itself.
  Delete "$INSTDIR\verbs.url"
  RMDir /r "$INSTDIR\help"
  Delete "$INSTDIR\uninstall.exe"
  ; Not /r: anything the user put into the folder stays.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINST_KEY}"

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettings)" /SD IDNO IDYES remove
    Goto done
  ${EndIf}
remove:
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
  ; The font choice: the user's copy, and the one in the system folder where
  ; the program could write it (the 64-bit program's own system folder).
  Delete "$APPDATA\${PUBLISHER}\Verbs\verbsfont.sav"
  RMDir "$APPDATA\${PUBLISHER}\Verbs"
  RMDir "$APPDATA\${PUBLISHER}"
  !if "${ARCH}" == "x64"
    ${DisableX64FSRedirection}
  !endif
  Delete "$SYSDIR\verbsfont.sav"
  !if "${ARCH}" == "x64"
    ${EnableX64FSRedirection}
  !endif
done:
SectionEnd
