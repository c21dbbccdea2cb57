; SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: makensis -DVERSION=1.0.0 -DEXE=kozmat.exe -DICON=kozmat.ico
;   -DOUTFILE=kozmat-1.0.0-setup.exe kozmat.nsi  (scripts/package-windows does this).
; Installs for every user of the machine into Program Files, silently with /S; a Start menu
; shortcut and an entry in Apps & features; the uninstaller takes everything away again.
; kozmat.wxs, the school's package, takes the place of what this installs.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define TITLE "كوزماط"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\org.example.Kozmat"

Name "${TITLE}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kozmat"
; A newer version goes where the older one is, over it: one program, one entry, one shortcut.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "${TITLE} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1025 "ProductName" "${TITLE}"
VIAddVersionKey /LANG=1025 "FileDescription" "${TITLE} ${VERSION}"
VIAddVersionKey /LANG=1025 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1025 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1025 "CompanyName" "Kozmat team"
VIAddVersionKey /LANG=1025 "LegalCopyright" "2026 Kozmat team, GPL-3.0-or-later"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kozmat.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Arabic"

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=kozmat.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\kozmat.exe" "" "$INSTDIR\kozmat.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kozmat.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kozmat team"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    Delete "$INSTDIR\kozmat.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
