; Installer of the program: a per-user install (no administrator rights),
; program folder with verbs.exe, the picture theme library and the help
; pages, a Start menu shortcut and an entry in the user's list of installed
; programs. /S installs or uninstalls silently; the uninstaller keeps the
; user's settings unless asked (a question, or /REMOVESETTINGS when silent).
;
; makensis -DVERSION=2.0.1 -DVERSION_TEXT=2.0.001 -DARCH=x64|x86
;          -DSTAGE=<folder with the files> -DFILE_LIST=<files.nsh> -DICON=<verbs.ico>
;          -DOUTFILE=<setup.exe> [-DSTUB=amd64-unicode] verbs.nsi
; FILE_LIST (written by make-package.sh) names every file of the package.
; STUB builds the same script on another stub: the package test does so where
; the installer's own 32-bit stub cannot run.

!ifdef STUB
  Target ${STUB}
!endif
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
LangString FileNotReplaced ${LANG_RUSSIAN} "Файл «$0» занят другой программой и не может быть заменён. Закройте её и нажмите «Повтор»."
LangString FileNotReplaced ${LANG_ENGLISH} "The file $\"$0$\" is in use by another program and cannot be replaced. Please close it and press Retry."
LangString FileNotRemoved ${LANG_RUSSIAN} "Файл «$0» занят другой программой и не может быть удалён. Закройте её и нажмите «Повтор». «Отмена» оставит программу в списке установленных, чтобы удалить её позже."
LangString FileNotRemoved ${LANG_ENGLISH} "The file $\"$0$\" is in use by another program and cannot be removed. Please close it and press Retry. Cancel keeps the program in the list of installed programs, so that it can be removed later."
LangString RemoveSettings ${LANG_RUSSIAN} "Удалить также ваши настройки и группы глаголов?"
LangString RemoveSettings ${LANG_ENGLISH} "Remove your settings and verb groups too?"

!include "${FILE_LIST}"

; Files of a running program cannot be replaced or removed, and a silent run
; would skip them and still report success: wait for the program to be closed
; (the name it holds while it runs), or fail with exit code 2 when silent. It
; is checked where the files are touched, since the program may be started
; while the pages are open; an interactive run is also told before the pages.
!macro WaitForProgramClosedFunction UN
  Function ${UN}WaitForProgramClosed
    retry:
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "PreventVerbsSecondInstance") p .r0'
      ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CloseProgram)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Abort
      ${EndIf}
  FunctionEnd
!macroend
!insertmacro WaitForProgramClosedFunction ""
!insertmacro WaitForProgramClosedFunction "un."

; Waits until the installed file $0, when there is one, can be written, or
; fails with exit code 2 when silent. Every file is checked before the first
; is written, so that a file another program holds (a scanner, say) leaves
; the installed program whole instead of half replaced.
Function WaitForFileReplaceable
  retry:
    IfFileExists "$0" 0 done
    ; GENERIC_WRITE, shared for reading, OPEN_EXISTING: as the file is written.
    System::Call 'kernel32::CreateFileW(w r0, i 0x40000000, i 1, p 0, i 3, i 0x80, p 0) p .r1'
    ${If} $1 P<> -1
      System::Call 'kernel32::CloseHandle(p r1)'
      Goto done
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(FileNotReplaced)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
  done:
FunctionEnd

; A file that could not be written after all (taken between the check and
; the write) ends the install at once with exit code 2.
Function StopOnError
  ${If} ${Errors}
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

; Removes the installed file $0 (a missing one is no error); while it cannot
; be removed the user may retry, and otherwise the uninstall ends with exit
; code 2, keeping its entry, its shortcut and itself to be run again.
Function un.RemoveFile
  retry:
    ClearErrors
    Delete "$0"
    IfErrors 0 done
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(FileNotRemoved)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
  done:
FunctionEnd

!macro CheckReplaceable NAME
  StrCpy $0 "$INSTDIR\${NAME}"
  Call WaitForFileReplaceable
!macroend

!macro InstallFile NAME
  ClearErrors
  File "/oname=${NAME}" "${STAGE}\${NAME}"
  Call StopOnError
!macroend

!macro RemoveFile NAME
  StrCpy $0 "$INSTDIR\${NAME}"
  Call un.RemoveFile
!macroend

Function .onInit
  !if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "$(NeedsX64)" /SD IDOK
      Abort
    ${EndIf}
  !endif
  ${IfNot} ${Silent}
    Call WaitForProgramClosed
  ${EndIf}
FunctionEnd

Function un.onInit
  ${IfNot} ${Silent}
    Call un.WaitForProgramClosed
  ${EndIf}
FunctionEnd

Section "Program"
  SetShellVarContext current
  Call WaitForProgramClosed
  !insertmacro PackageFiles CheckReplaceable
  SetOutPath "$INSTDIR"
  CreateDirectory "$INSTDIR\help"
  ; verbs.exe first: when it cannot be written, nothing else is.
  !insertmacro PackageFiles InstallFile

  ; The shortcut starts the program in its own folder.
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
  Call un.WaitForProgramClosed
  ; Exactly the files of the package, verbs.exe first, and the web link file
  ; the program writes beside itself; folders only when they are empty, so
  ; that a folder the user chose keeps whatever the user put there. Until
  ; they are all gone, the shortcut, the entry and the uninstaller stay.
  !insertmacro PackageFiles RemoveFile
  !insertmacro RemoveFile "verbs.url"
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
done:
  ; The web link file the program makes there when its own folder cannot be
  ; written goes with the program; the folders only when nothing else is left.
  Delete "$APPDATA\${PUBLISHER}\Verbs\verbs.url"
  RMDir "$APPDATA\${PUBLISHER}\Verbs"
  RMDir "$APPDATA\${PUBLISHER}"
  ; The folder last, so that it going away means the uninstall is complete.
  ; Not /r: anything the user put into the folder stays.
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
