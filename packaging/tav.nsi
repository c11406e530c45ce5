; The per-user installer of Tav. It installs into the user's own programs
; folder, so the program can write its dictionaries beside itself without
; administrator rights, and it never overwrites the user's dictionaries.
;
; makensis -DVERSION=2.8.0.1 -DSOURCE_DIR=<folder with the files> -DOUTFILE=<setup.exe> tav.nsi

; The program is 64-bit, and so is its installer.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!ifndef VERSION
  !error "VERSION is not defined"
!endif

Name "Tav ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tav"
InstallDirRegKey HKCU "Software\Ordal\Tav\Install" "Folder"
BrandingText "Tav ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Tav"
VIAddVersionKey "FileDescription" "Tav English - Romanian dictionary setup"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) Ordal"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tav"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE_DIR}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tav.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tav" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"

  ; A running Tav keeps its files open: ask it to close first.
  FindWindow $0 "F2908B5A-A477-4ea8-9382-F5DCFAE04B37"
  StrCmp $0 0 +3
    SendMessage $0 ${WM_COMMAND} 57665 0
    Sleep 1000

  SetOverwrite on
  File "${SOURCE_DIR}\tav.exe"
  File "${SOURCE_DIR}\tav.chm"
  File "${SOURCE_DIR}\README.txt"
  File "${SOURCE_DIR}\LICENSE.txt"

  ; The dictionaries hold the user's own words: an upgrade keeps them.
  SetOverwrite off
  File "${SOURCE_DIR}\en.tmp"
  File "${SOURCE_DIR}\ro.tmp"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\Ordal\Tav\Install" "Folder" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Tav"
  CreateShortcut "$SMPROGRAMS\Tav\Tav.lnk" "$INSTDIR\tav.exe"
  CreateShortcut "$SMPROGRAMS\Tav\Tav Help.lnk" "$INSTDIR\tav.chm"
  CreateShortcut "$SMPROGRAMS\Tav\Uninstall Tav.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tav English - Romanian dictionary"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Ordal"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tav.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  FindWindow $0 "F2908B5A-A477-4ea8-9382-F5DCFAE04B37"
  StrCmp $0 0 +3
    SendMessage $0 ${WM_COMMAND} 57665 0
    Sleep 1000

  Delete "$INSTDIR\tav.exe"
  Delete "$INSTDIR\tav.chm"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\temp.tmp"
  Delete "$INSTDIR\uninstall.exe"

  ; The dictionaries hold every word the user added or changed: they go only
  ; when the user asks, never in a silent uninstall. Kept, the folder stays
  ; on record, so that installing again puts Tav back beside them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove the dictionaries too?$\r$\n$\r$\nen.tmp and ro.tmp hold every word you added or changed. \
Choose No to keep them in $INSTDIR; installing Tav there again uses them." \
    /SD IDNO IDNO keep_words
    Delete "$INSTDIR\en.tmp"
    Delete "$INSTDIR\ro.tmp"
    DeleteRegKey HKCU "Software\Ordal\Tav\Install"
  keep_words:
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Tav\Tav.lnk"
  Delete "$SMPROGRAMS\Tav\Tav Help.lnk"
  Delete "$SMPROGRAMS\Tav\Uninstall Tav.lnk"
  RMDir "$SMPROGRAMS\Tav"

  ; Start with Windows, when it names this copy of Tav.
  ReadRegStr $1 HKCU "${RUN_KEY}" "Tav"
  StrCmp $1 '"$INSTDIR\tav.exe"' 0 +2
    DeleteRegValue HKCU "${RUN_KEY}" "Tav"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
