; What setup.exe (tarnel.nsi) and uninstall.exe (uninstall.nsi) share: a
; per-user program for Windows 10 and later, drawn at the screen's own
; scale, with the game's version record and icon, and the wait for the game
; to close.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "Tarnel"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!define UNINSTALL_KEYS "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_KEYS}\Tarnel"

; Windows 10 and later, as the game: the header's subsystem version, and
; its operating system version, which NSIS has no command for (set on the
; header before NSIS writes its checksum).
PESubsysVer 10.0
!tempfile HEADER
!packhdr "${HEADER}" '/usr/bin/python3 "${__FILEDIR__}/windows10.py" "${HEADER}"'
; Drawn at the screen's scale, not stretched by Windows on a high-DPI screen.
ManifestDPIAware true

; The version record, as the game's own (tarnel.rc.in), with the program's
; own description and names.
!macro VERSION_RECORD DESCRIPTION INTERNAL_NAME FILE_NAME
  VIProductVersion "${QUAD}"
  VIFileVersion "${QUAD}"
  VIAddVersionKey /LANG=1033 "ProductName" "Tarnel"
  VIAddVersionKey /LANG=1033 "ProductVersion" "${RECORD}"
  VIAddVersionKey /LANG=1033 "FileVersion" "${RECORD}"
  VIAddVersionKey /LANG=1033 "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=1033 "InternalName" "${INTERNAL_NAME}"
  VIAddVersionKey /LANG=1033 "OriginalFilename" "${FILE_NAME}"
  VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Tarnel developers, MIT License"
!macroend
!define MUI_ICON "${ICON}"

; Returns once the tarnel.exe in the folder $R0 is closed: Windows lets no
; one write to or remove a running program's file. By hand the player
; closes the game and retries, or cancels; silently, or cancelled, the run
; ends with exit code 2.
Function WaitForTheGame
  ${DoWhile} ${FileExists} "$R0\tarnel.exe"
    ClearErrors
    FileOpen $0 "$R0\tarnel.exe" a
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
