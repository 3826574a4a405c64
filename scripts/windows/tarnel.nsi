; The Tarnel installer: per user by default (no administrator needed), a
; Start menu entry, an uninstaller registered in Apps & features with the
; game's name, version and icon, silent with /S, in the player's language,
; and an uninstall that leaves no file, folder or registry key it made.
; Neither touches anything while the game runs: by hand they ask the
; player to close it, silently they end with exit code 2.
;   makensis -DSTAGE=<the zip's folder> -DFILES=<its removal list> -DICON=<tarnel.ico>
;            -DVERSION=1.0.10 -DQUAD=1.0.0.10 -DRECORD=1.00.0010 -DOUTFILE=<setup.exe> tarnel.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
Name "Tarnel"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tarnel"
!define UNINSTALL_KEYS "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_KEYS}\Tarnel"
; Windows 10 and later, as the game.
PESubsysVer 10.0

; The version record, as the game's own (tarnel.rc.in).
VIProductVersion "${QUAD}"
VIFileVersion "${QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "Tarnel"
VIAddVersionKey /LANG=1033 "ProductVersion" "${RECORD}"
VIAddVersionKey /LANG=1033 "FileVersion" "${RECORD}"
VIAddVersionKey /LANG=1033 "FileDescription" "Tarnel setup"
VIAddVersionKey /LANG=1033 "InternalName" "tarnel-setup"
VIAddVersionKey /LANG=1033 "OriginalFilename" "tarnel-${VERSION}-setup.exe"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Tarnel developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The game's languages, chosen by Windows' display language (a regional
; variant takes its language's; Traditional Chinese before Simplified, as
; the game gives zh_HK); English everywhere else.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Arabic"
!insertmacro MUI_LANGUAGE "Bulgarian"
!insertmacro MUI_LANGUAGE "Catalan"
!insertmacro MUI_LANGUAGE "Croatian"
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "Danish"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Finnish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Hebrew"
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "Latvian"
!insertmacro MUI_LANGUAGE "NorwegianNynorsk"
!insertmacro MUI_LANGUAGE "Farsi"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "ScotsGaelic"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Slovak"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Turkish"
!insertmacro MUI_LANGUAGE "Ukrainian"
!include /CHARSET=UTF8 "installer_texts.nsh"

; Returns once tarnel.exe in $INSTDIR is closed: Windows lets no one write
; to a running program's file. By hand the player closes the game and
; retries, or cancels; silently, or cancelled, the run ends with exit code 2.
!macro WAIT_FOR_THE_GAME un
Function ${un}WaitForTheGame
  ${DoWhile} ${FileExists} "$INSTDIR\tarnel.exe"
    ClearErrors
    FileOpen $0 "$INSTDIR\tarnel.exe" a
    ${IfNot} ${Errors}
      FileClose $0
      ${ExitDo}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(GameRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_THE_GAME ""
!insertmacro WAIT_FOR_THE_GAME "un."

Section "Tarnel"
  Call WaitForTheGame
  SetShellVarContext current
  ; The outermost folder of $INSTDIR not there yet (when installed here
  ; before, the one that install made): the uninstaller removes it.
  StrCpy $0 "$INSTDIR"
  StrCpy $1 ""
  ${DoUntil} ${FileExists} "$0\*.*"
    StrCpy $1 "$0"
    ${GetParent} "$0" $0
    ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
  ${Loop}
  ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 == ""
  ${AndIf} $2 == "$INSTDIR"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Tarnel.lnk" "$INSTDIR\tarnel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarnel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Tarnel developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "MadeFolder" "$1"
  ; Started in its folder (_?=), the uninstaller ends with the answer to
  ; "is the game closed?" (see un.onInit).
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; uninstall.exe, started in the game's folder, waits for the game to close
; and then hands over to a copy of itself outside the folder (NSIS makes
; it in %TEMP% and removes it at the next start of Windows), which can
; remove uninstall.exe too. Its exit code: 2 while the game runs.
Function un.onInit
  ${If} $EXEFILE == "uninstall.exe"
    Call un.WaitForTheGame
    ${IfThen} ${Silent} ${|} StrCpy $0 "/S" ${|}
    ClearErrors
    Exec '"$EXEPATH" $0'
    ${If} ${Errors}
      SetErrorLevel 2
    ${Else}
      SetErrorLevel 0
    ${EndIf}
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitForTheGame
  SetShellVarContext current
  ; Exactly the files installed, then their folders if they are empty: a
  ; folder the player chose may hold more than the game.
  ClearErrors
  !include "${FILES}"
  ${IfNot} ${Errors}
    ; The uninstall.exe that handed over may still be ending.
    ${For} $0 1 50
      Delete "$INSTDIR\uninstall.exe"
      ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
        ${Break}
      ${EndIf}
      Sleep 100
    ${Next}
  ${EndIf}
  ; A file held open by another program: the uninstall is unfinished, and
  ; the game stays listed to be uninstalled again.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    SetErrorLevel 2
    Abort
  ${EndIf}
  Delete "$SMPROGRAMS\Tarnel.lnk"
  ; The install folder, and the folders around it the installer made.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  SetOutPath "$TEMP"
  StrCpy $1 "$INSTDIR"
  ${Do}
    RMDir "$1"
    ${If} $0 == ""
    ${OrIf} $1 == $0
      ${ExitDo}
    ${EndIf}
    ${GetParent} "$1" $1
  ${LoopUntil} $1 == ""
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey /ifempty HKCU "${UNINSTALL_KEYS}"
SectionEnd
