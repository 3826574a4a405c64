; uninstall.exe, which setup.exe puts in the game's folder and Apps &
; features starts. An ordinary program, not NSIS's uninstaller (which hands
; over to a copy of itself in %TEMP%, ends at once with exit code 0, and
; leaves that copy behind): it runs where it is, in the player's language,
; and ends once its work is done, with exit code 0 when the game is gone,
; 2 when nothing was removed (the game runs: by hand it asks the player to
; close it) or a file stays in use (the game stays listed in Apps &
; features, to be uninstalled again). It removes exactly the files
; installed, then the folders the installer made, where empty: a folder
; the player chose, or one holding their own files, stays. The older
; "uninstall.exe _?=FOLDER" form works as before.
;   makensis -DFILES=<its removal list> -DICON=<tarnel.ico> -DVERSION=1.0.10
;            -DQUAD=1.0.0.10 -DRECORD=1.00.0010 -DOUTFILE=<uninstall.exe> uninstall.nsi
!include "installer.nsh"
OutFile "${OUTFILE}"
Caption "$(^UninstallCaption)"
InstallButtonText "$(^UninstallBtn)"
!insertmacro VERSION_RECORD "Tarnel uninstaller" "tarnel-uninstall" "uninstall.exe"
!include "${FILES}"

; Modern UI's pages of an uninstaller, with their texts: the confirmation,
; then the progress.
!insertmacro MUI_PAGE_INIT
!define MUI_UNCONFIRMPAGE
PageEx uninstConfirm
  PageCallbacks ConfirmPre ConfirmShow
PageExEnd
Function ConfirmPre
  !insertmacro MUI_HEADER_TEXT "$(MUI_UNTEXT_CONFIRM_TITLE)" "$(MUI_UNTEXT_CONFIRM_SUBTITLE)"
FunctionEnd
; Its text ends in an installer's "Click Install ...": an uninstaller's
; "Click Uninstall ..." instead.
Function ConfirmShow
  FindWindow $0 "#32770" "" $HWNDPARENT
  GetDlgItem $0 $0 1006
  StrLen $1 "$_CLICK"
  StrCpy $1 "$(^UninstallingText)" -$1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$1$(^ClickUninstall)"
FunctionEnd
!insertmacro MUI_PAGE_INIT
!define /redef MUI_PAGE_UNINSTALLER_PREFIX UN
!insertmacro MUI_PAGEDECLARATION_INSTFILES
!include /CHARSET=UTF8 "installer_texts.nsh"

Function .onInit
  StrCpy $INSTDIR "$EXEDIR"
  StrCpy $R0 "$INSTDIR"
  Call WaitForTheGame
FunctionEnd

; NSIS reads its data from its own file through a handle it keeps open to
; the end, and that lets no one rename the file. Found among the process's
; handles by the file's path, it is closed once nothing more is read, and
; its number is taken at once by an event of no use, which NSIS closes in
; its stead as it ends.
Function LetGoOfItsFile
  System::Call 'kernel32::CreateFileW(w "$EXEPATH", i 0x80000000, i 7, p 0, i 3, i 0, p 0) p .r1'
  System::Call 'kernel32::GetFinalPathNameByHandleW(p r1, w .r2, i ${NSIS_MAX_STRLEN}, i 0) i .r3'
  System::Call 'kernel32::CloseHandle(p r1)'
  ${IfThen} $3 = 0 ${|} Return ${|}
  ${For} $1 1 4096
    IntOp $3 $1 * 4
    System::Call 'kernel32::GetFileType(p r3) i .r4'
    ${If} $4 = 1
      System::Call 'kernel32::GetFinalPathNameByHandleW(p r3, w .r4, i ${NSIS_MAX_STRLEN}, i 0) i'
      ${If} $4 == $2
        System::Call 'kernel32::CloseHandle(p r3)'
        ${For} $4 1 16
          System::Call 'kernel32::CreateEventW(p 0, i 0, i 0, p 0) p .r5'
          ${IfThen} $5 = $3 ${|} Return ${|}
        ${Next}
        Return
      ${EndIf}
    ${EndIf}
  ${Next}
FunctionEnd

; Windows removes no running program's file, but renames one within its
; volume: uninstall.exe moves to $PLUGINSDIR in %TEMP% or, on another
; volume, beside the outermost folder it removes, and is removed from
; there once it has ended (.onInstSuccess). Its new place in $R1.
Function MoveOutOfTheFolder
  InitPluginsDir
  Call LetGoOfItsFile
  StrCpy $R1 "$PLUGINSDIR\uninstall.exe"
  Rename "$EXEPATH" "$R1"
  ; Moved to another volume, it was copied there and is still here.
  ${IfNot} ${FileExists} "$EXEPATH"
    Return
  ${EndIf}
  Delete "$R1"
  StrCpy $R1 "$R2"
  ${IfThen} $R1 == "" ${|} StrCpy $R1 "$INSTDIR" ${|}
  ${GetParent} "$R1" $R1
  StrCpy $R1 "$R1\~tarnel-uninstall.tmp"
  Rename "$EXEPATH" "$R1"
  ${IfNot} ${FileExists} "$EXEPATH"
    Return
  ${EndIf}
  Delete "$R1"
  SetErrorLevel 2
  Abort
FunctionEnd

Section "Tarnel"
  StrCpy $R0 "$INSTDIR"
  Call WaitForTheGame
  SetShellVarContext current
  ; The current folder cannot be removed.
  SetOutPath "$TEMP"
  ; The registry's entry and the folders the installer made, when it
  ; names this folder.
  ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R3 == "$INSTDIR"
    ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  ${EndIf}

  ; A file held open by another program: the uninstall is unfinished, and
  ; the game stays listed to be uninstalled again.
  ClearErrors
  !insertmacro REMOVE_FILES
  ${If} ${Errors}
    SetErrorLevel 2
    Abort
  ${EndIf}
  Call MoveOutOfTheFolder
  !insertmacro REMOVE_FOLDERS
  ${If} $R3 == "$INSTDIR"
    Delete "$SMPROGRAMS\Tarnel.lnk"
    ${If} $R2 != ""
      StrCpy $1 "$INSTDIR"
      ${Do}
        RMDir "$1"
        ${IfThen} $1 == $R2 ${|} ${ExitDo} ${|}
        ${GetParent} "$1" $1
      ${LoopUntil} $1 == ""
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey /ifempty HKCU "${UNINSTALL_KEYS}"
  ${EndIf}
SectionEnd

; The moved uninstall.exe (and $PLUGINSDIR, where it is there) once this
; program has ended: cmd.exe, from Windows' own folder and hidden, tries
; each second for a minute.
Function .onInstSuccess
  ${GetParent} "$R1" $0
  StrCpy $1 ""
  ${If} $0 == $PLUGINSDIR
    StrCpy $1 'rmdir /s /q "$0" & '
  ${EndIf}
  ExecShell "" "$SYSDIR\cmd.exe" '/c for /l %i in (1,1,60) do (del /f /q "$R1" 2>nul & if not exist "$R1" ($1exit) else (ping -n 2 127.0.0.1 >nul ))' SW_HIDE
FunctionEnd
