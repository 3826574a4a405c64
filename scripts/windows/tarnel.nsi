; The Tarnel installer: per user by default (no administrator needed), a
; Start menu entry, an uninstaller registered in Apps & features with the
; game's name, version and icon, silent with /S, and an uninstall that
; leaves no file or registry key behind.
;   makensis -DSTAGE=<the zip's folder> -DFILES=<its removal list> -DICON=<tarnel.ico>
;            -DVERSION=1.0.10 -DOUTFILE=<setup.exe> tarnel.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
Name "Tarnel"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tarnel"
Icon "${ICON}"
UninstallIcon "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnel"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tarnel"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Tarnel.lnk" "$INSTDIR\tarnel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarnel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Tarnel developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Tarnel.lnk"
  ; Exactly the files installed, then their folders if they are empty: a
  ; folder the player chose may hold more than the game.
  !include "${FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
