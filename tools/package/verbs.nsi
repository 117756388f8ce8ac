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
LangString CloseProgram ${LANG_RUSSIAN} "Программа Lexoria запущена. Закройте её и нажмите «Повтор»."
LangString CloseProgram ${LANG_ENGLISH} "Lexoria is running. Please close it and press Retry."
LangString RemoveSettings ${LANG_RUSSIAN} "Удалить также ваши настройки и группы глаголов?"
LangString RemoveSettings ${LANG_ENGLISH} "Remove your settings and verb groups too?"

; Files of a running program cannot be replaced or removed, and a silent
; install would skip them and still report success: wait for the program to
; be closed (the name it holds while it runs), or fail with exit code 2 when
; silent.
!macro WaitForProgramClosed ID
  retry_${ID}:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "PreventVerbsSecondInstance") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CloseProgram)" /SD IDCANCEL IDRETRY retry_${ID}
      SetErrorLevel 2
      Abort
    ${EndIf}
!macroend

Function .onInit
  !if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "$(NeedsX64)" /SD IDOK
      Abort
    ${EndIf}
  !endif
  !insertmacro WaitForProgramClosed install
FunctionEnd

Function un.onInit
  !insertmacro WaitForProgramClosed uninstall
FunctionEnd

Section "Program"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ClearErrors
  File "${STAGE}\verbs.exe"
  File "${STAGE}\Pictures.dll"
  SetOutPath "$INSTDIR\help"
  File "${STAGE}\help\*.*"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort
  ${EndIf}

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
  ; The help pages by kind, not the whole folder: a folder the user chose
  ; may have held files of its own.
  Delete "$INSTDIR\help\*.html"
  Delete "$INSTDIR\help\*.css"
  Delete "$INSTDIR\help\*.png"
  RMDir "$INSTDIR\help"
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
  ; The user's copy of the font choice (a copy in the system folder is
  ; shared by every user of the computer and stays).
  Delete "$APPDATA\${PUBLISHER}\Verbs\verbsfont.sav"
  RMDir "$APPDATA\${PUBLISHER}\Verbs"
  RMDir "$APPDATA\${PUBLISHER}"
done:
  ; The folder last, so that it going away means the uninstall is complete.
  ; Not /r: anything the user put into the folder stays.
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
