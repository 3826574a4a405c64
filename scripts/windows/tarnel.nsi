; The Tarnel installer: per user by default (no administrator needed), a
; Start menu entry, an uninstaller (uninstall.nsi) registered in Apps &
; features with the game's name, version and icon, silent with /S, in the
; player's language. One copy at a time: a second install goes where the
; first one is, or removes it first when the player or /D= chooses another
; folder. It touches nothing while the game runs: by hand it asks the
; player to close it, silently it ends with exit code 2.
;   makensis -DSTAGE=<the zip's folder> -DUNINSTALLER=<uninstall.exe> -DICON=<tarnel.ico>
;            -DVERSION=1.0.10 -DQUAD=1.0.0.10 -DRECORD=1.00.0010 -DOUTFILE=<setup.exe> tarnel.nsi
!include "installer.nsh"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tarnel"
; The folder installed to before, if any: the folder page's and a silent
; install's default.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
!insertmacro VERSION_RECORD "Tarnel setup" "tarnel-setup" "tarnel-${VERSION}-setup.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!include /CHARSET=UTF8 "installer_texts.nsh"

; Installed before in another folder: that copy is uninstalled first, so
; that Apps & features' one entry removes the one copy there is. Returns
; once its entry is gone, since an uninstaller of an older setup returned
; at once and removed the entry last, from a copy of itself. Where a file
; of it stays in use, the player retries or cancels (as when setup cannot
; write a file); silently, or cancelled, the run ends with exit code 2.
Function RemoveTheOtherCopy
  ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 == ""
  ${OrIf} $R0 == $INSTDIR
  ${OrIfNot} ${FileExists} "$R0\uninstall.exe"
    Return
  ${EndIf}
  Call WaitForTheGame
  ${Do}
    DetailPrint "$R0\uninstall.exe"
    StrCpy $3 ""
    ExecWait '"$R0\uninstall.exe" /S _?=$R0' $3
    ${If} $3 == 0
      ${For} $1 1 300
        ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${IfThen} $2 != $R0 ${|} Return ${|}
        Sleep 100
      ${Next}
    ${EndIf}
    StrCpy $0 "$R0"
    MessageBox MB_RETRYCANCEL|MB_ICONSTOP "$(^FileError_NoIgnore)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
    retry:
  ${Loop}
FunctionEnd

Section "Tarnel"
  StrCpy $R0 "$INSTDIR"
  Call WaitForTheGame
  Call RemoveTheOtherCopy
  SetShellVarContext current
  ; The outermost folder of $INSTDIR not there yet (when installed here
  ; before, the one that install made): the uninstaller removes it, and
  ; no folder that was there before.
  StrCpy $0 "$INSTDIR"
  StrCpy $1 ""
  ${DoUntil} ${FileExists} "$0\*.*"
    StrCpy $1 "$0"
    ${GetParent} "$0" $0
    ; A drive's root, there even when empty (and then no file is found).
    StrLen $2 "$0"
    ${IfThen} $2 <= 2 ${|} ${ExitDo} ${|}
  ${Loop}
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 == ""
  ${AndIf} $2 == "$INSTDIR"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  File "${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\Tarnel.lnk" "$INSTDIR\tarnel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarnel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Tarnel developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "MadeFolder" "$1"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd
