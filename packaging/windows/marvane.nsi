; The Windows installer: the ready-to-run folder into Program Files, a Start menu entry and an
; uninstaller that Windows lists under installed programs. Made by scripts/windows.sh build:
;
;   makensis -DVERSION=1.4.0.0 -DICON=<marvane.ico> -DFILES=<files.nsh> -DOUTFILE=<setup.exe> marvane.nsi
;
; FILES is generated from the folder: the macros MarvaneInstallFiles and MarvaneRemoveFiles,
; so that uninstalling removes what was installed and nothing else a user put beside it.

Unicode true
; A 64-bit program gets a 64-bit installer (which also runs where 32-bit programs cannot).
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Marvane"

Name "Marvane"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Marvane"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Marvane"
VIAddVersionKey /LANG=1033 "CompanyName" "Corvath Solutions"
VIAddVersionKey /LANG=1033 "FileDescription" "Marvane Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Corvath Solutions. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\marvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Marvane"
  SetRegView 64
  SetShellVarContext all
  !insertmacro MarvaneInstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Marvane.lnk" "$INSTDIR\marvane.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Marvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Corvath Solutions"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\marvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The player's options (HKCU\Software\Corvath\Marvane) stay, as they would after an update.
Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\Marvane.lnk"
  !insertmacro MarvaneRemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
