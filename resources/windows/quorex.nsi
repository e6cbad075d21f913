# SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer: both programs into Program Files, a Start menu entry, register files
; (*.rquorex) opening in the program, an uninstaller. scripts/package-windows.sh calls makensis
; with VERSION, STAGE (the folder holding what is installed), ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!define APP "Quorex"
!define FILE_CLASS "Quorex.Registerdatei"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorex"

Name "Quorex Programmiersoftware ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
BrandingText "Quorex Programmiersoftware ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "Quorex Programmiersoftware"
VIAddVersionKey /LANG=1031 "CompanyName" "Quorex-Entwicklung"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation der Quorex Programmiersoftware"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "Copyright 2026 Quorex-Entwicklung. Alle Rechte vorbehalten."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LIZENZ.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorex.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LIESMICH.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

; The programs are 64-bit: the 64-bit registry and Program Files, also for the uninstaller.
Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Die Quorex Programmiersoftware braucht ein 64-Bit-Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Quorex"
  SetOutPath "$INSTDIR"
  File "${STAGE}\quorex.exe"
  File "${STAGE}\quorex-cli.exe"
  File "${STAGE}\LIESMICH.txt"
  File "${STAGE}\LIZENZ.txt"
  SetOutPath "$INSTDIR\Lizenzen"
  File /r "${STAGE}\Lizenzen\*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  CreateShortcut "$SMPROGRAMS\Quorex Programmiersoftware.lnk" "$INSTDIR\quorex.exe" "" \
    "$INSTDIR\quorex.exe" 0 SW_SHOWNORMAL "" "Einstellungen einer Quorex-Funkbedienkonsole lesen, ändern und schreiben"

  ; Register files open in the program on a double click.
  WriteRegStr HKLM "Software\Classes\.rquorex" "" "${FILE_CLASS}"
  WriteRegStr HKLM "Software\Classes\.rquorex" "Content Type" "text/plain"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}" "" "Quorex-Registerdatei"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\DefaultIcon" "" "$INSTDIR\quorex.exe,0"
  WriteRegStr HKLM "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\quorex.exe" "%1"'
  ; SHCNE_ASSOCCHANGED: the Explorer shows the new icon without a new login.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorex Programmiersoftware"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quorex-Entwicklung"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorex.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\quorex.exe"
  Delete "$INSTDIR\quorex-cli.exe"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\LIZENZ.txt"
  RMDir /r "$INSTDIR\Lizenzen"
  Delete "$INSTDIR\Deinstallieren.exe"
  ; Only when empty: files a technician put there stay.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quorex Programmiersoftware.lnk"

  ; The extension only when it still means our files; another program may have taken it over.
  ReadRegStr $0 HKLM "Software\Classes\.rquorex" ""
  StrCmp $0 "${FILE_CLASS}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.rquorex"
  DeleteRegKey HKLM "Software\Classes\${FILE_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
