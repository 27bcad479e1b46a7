; SPDX-FileCopyrightText: 2026 Murax developers
; SPDX-License-Identifier: GPL-3.0-or-later
; Murax's installer for Windows, built by makensis from the cross build (cmake/MuraxWindowsPackage.cmake
; passes the defines below). It installs for every user, adds a Start-menu entry and an uninstaller,
; and offers Murax in "Open with" for .tap files. It never writes the default program of .tap: a
; user who opens tapes with an emulator keeps it, and Murax is one more choice.
;
; Defines: VERSION (1.05), STAGE (the folder with murax.exe, murax-list.exe and LICENSE.txt),
; ICON_FILE, OUT_FILE.

; A 64-bit installer, like the programs it carries: it runs where they run, and Wine needs no
; 32-bit side to test it.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Murax"
!define PROGID "Murax.TapeImage"
!define APP_KEY "Software\Classes\Applications\murax.exe"
!define CAPABILITIES_KEY "Software\Murax\Capabilities"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Murax"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} installer"
VIAddVersionKey "LegalCopyright" "Murax developers, GPL-3.0-or-later"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\murax.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Italian"

; Explorer reads "Open with" again at once rather than at the next logon.
!macro ASSOCIATIONS_CHANGED
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Murax"
  SetOutPath "$INSTDIR"
  File "${STAGE}\murax.exe"
  File "${STAGE}\murax-list.exe"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut's working folder (CreateShortCut takes $OUTDIR) is the documents folder of
  ; whoever starts it, not the install folder, which an ordinary user may not write: the open
  ; dialog starts there, and the files Murax makes in its current folder can be made. The shell
  ; expands the variable when the shortcut is started.
  StrCpy $OUTDIR "%USERPROFILE%\Documents"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\murax.exe" "" "$INSTDIR\murax.exe" 0
  SetOutPath "$INSTDIR"

  ; "Open with": the program itself, with the types it takes...
  WriteRegStr HKLM "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr HKLM "${APP_KEY}\DefaultIcon" "" "$INSTDIR\murax.exe,0"
  WriteRegStr HKLM "${APP_KEY}\shell\open\command" "" '"$INSTDIR\murax.exe" "%1"'
  WriteRegStr HKLM "${APP_KEY}\SupportedTypes" ".tap" ""
  ; ...a ProgID of its own, listed beside whatever .tap already opens with, never in its place...
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "ZX Spectrum tape"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\murax.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\murax.exe" "%1"'
  WriteRegNone HKLM "Software\Classes\.tap\OpenWithProgids" "${PROGID}"
  ; ...and the capabilities that Default Programs shows, where the user may choose Murax.
  WriteRegStr HKLM "${CAPABILITIES_KEY}" "ApplicationName" "${PRODUCT}"
  WriteRegStr HKLM "${CAPABILITIES_KEY}" "ApplicationDescription" "Editor of ZX Spectrum TAP tape images"
  WriteRegStr HKLM "${CAPABILITIES_KEY}\FileAssociations" ".tap" "${PROGID}"
  WriteRegStr HKLM "Software\RegisteredApplications" "${PRODUCT}" "${CAPABILITIES_KEY}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Murax developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\murax.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  !insertmacro ASSOCIATIONS_CHANGED
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\murax.exe"
  Delete "$INSTDIR\murax-list.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only the folder as it was left: files the user put there stay, and so does the folder.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  DeleteRegKey HKLM "${APP_KEY}"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegValue HKLM "Software\Classes\.tap\OpenWithProgids" "${PROGID}"
  ; The .tap key belongs to whoever made it: it goes only if nothing but Murax was in it.
  DeleteRegKey /ifempty HKLM "Software\Classes\.tap\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.tap"
  DeleteRegValue HKLM "Software\RegisteredApplications" "${PRODUCT}"
  DeleteRegKey HKLM "Software\Murax"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro ASSOCIATIONS_CHANGED
SectionEnd
