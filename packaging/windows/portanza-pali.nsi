; The Windows installer: Italian pages (English on a system in any other
; language), for the current user alone and without administrator rights,
; under %LOCALAPPDATA%\Programs. A newer version installed over an older one
; first removes the older one with its own uninstaller, so that one program,
; one Start-menu entry and one entry in the list of installed programs remain.
;
; The build writes the names, version and file list into the header
; PALI_DEFINES (packaging/windows/CMakeLists.txt); scripts/windows-release
; gathers the files into the folder PALI_FILES, where the installer is
; written, and runs
;   makensis -INPUTCHARSET UTF8 -DPALI_DEFINES=installer.nsh -DPALI_FILES=folder
;            [-DPALI_SIGN=command] portanza-pali.nsi
; PALI_SIGN, when given, signs the uninstaller before it is packed.

Unicode true
Target amd64-unicode
ManifestDPIAware true

!include "${PALI_DEFINES}"
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PALI_PACKAGE}"
!define UNINSTALLER "uninstall.exe"
!define PROGRAM_SHORTCUT "$SMPROGRAMS\${PALI_NAME}.lnk"
!define MANUAL_SHORTCUT "$SMPROGRAMS\${PALI_NAME} - Manuale.lnk"
!define VALIDATION_SHORTCUT "$SMPROGRAMS\${PALI_NAME} - Validazione.lnk"
; The project files' type, registered for the current user alone.
!define CLASSES "Software\Classes"
!define EXTENSION_KEY "${CLASSES}\.${PALI_EXTENSION}"
!define PROGID_KEY "${CLASSES}\${PALI_PROGID}"
; The program's own settings (the recent files), which go with it.
!define SETTINGS_KEY "Software\${PALI_NAME}"

Name "${PALI_NAME}"
OutFile "${PALI_FILES}/${PALI_OUTFILE_NAME}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PALI_NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
; The files keep no time stamp of the build, so that two builds of one commit
; give the same installer.
SetDateSave off
BrandingText "${PALI_NAME} ${PALI_VERSION}"

!ifdef PALI_SIGN
  !uninstfinalize `${PALI_SIGN} "%1"` = 0
!endif

!define MUI_ICON "${PALI_ICON}"
!define MUI_UNICON "${PALI_ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${PALI_LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PALI_PROGRAM_NAME}"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartProgram)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for a system whose language is none of these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Italian"
LangString StartProgram ${LANG_ENGLISH} "Start ${PALI_NAME}"
LangString StartProgram ${LANG_ITALIAN} "Avvia ${PALI_NAME}"

VIProductVersion "${PALI_VERSION_QUAD}"
VIFileVersion "${PALI_VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductName" "${PALI_NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductVersion" "${PALI_VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileVersion" "${PALI_VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileDescription" "Installazione di ${PALI_NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "CompanyName" "${PALI_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "LegalCopyright" "${PALI_COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "OriginalFilename" "${PALI_OUTFILE_NAME}"

; Explorer shows the new icon and opens the files with the program at once.
!macro TellExplorerTheTypesChanged
  ; SHCNE_ASSOCCHANGED, SHCNF_IDLIST
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

; An installed version, older or newer, leaves with everything it installed.
Function RemoveInstalledVersion
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $0 "" done
  IfFileExists "$0\${UNINSTALLER}" 0 done
  ; _?= runs the uninstaller in place and waits for it; it cannot delete
  ; itself then, so that is done here.
  ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
  Delete "$0\${UNINSTALLER}"
  RMDir "$0"
  done:
FunctionEnd

Section
  SetShellVarContext current
  Call RemoveInstalledVersion
  SetOutPath "$INSTDIR"
  !insertmacro PALI_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "${PROGRAM_SHORTCUT}" "$INSTDIR\${PALI_PROGRAM_NAME}" "" \
    "$INSTDIR\${PALI_PROGRAM_NAME}" 0 SW_SHOWNORMAL "" "${PALI_DESCRIPTION}"
  CreateShortcut "${MANUAL_SHORTCUT}" "$INSTDIR\${PALI_MANUAL_NAME}"
!ifdef PALI_VALIDATION_NAME
  CreateShortcut "${VALIDATION_SHORTCUT}" "$INSTDIR\${PALI_VALIDATION_NAME}"
!endif

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PALI_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${PALI_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PALI_PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${PALI_PROGRAM_NAME}",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; A double-click on a project file opens it in the program.
  WriteRegStr HKCU "${EXTENSION_KEY}" "" "${PALI_PROGID}"
  WriteRegStr HKCU "${PROGID_KEY}" "" "${PALI_DOCUMENT_TYPE}"
  WriteRegStr HKCU "${PROGID_KEY}\DefaultIcon" "" '"$INSTDIR\${PALI_PROGRAM_NAME}",-${PALI_DOCUMENT_ICON_ID}'
  WriteRegStr HKCU "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\${PALI_PROGRAM_NAME}" "%1"'
  !insertmacro TellExplorerTheTypesChanged
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "${PROGRAM_SHORTCUT}"
  Delete "${MANUAL_SHORTCUT}"
  Delete "${VALIDATION_SHORTCUT}"
  !insertmacro PALI_UNINSTALL_FILES
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The extension only while it still names this program's type: another
  ; program may have taken it since.
  ReadRegStr $0 HKCU "${EXTENSION_KEY}" ""
  StrCmp $0 "${PALI_PROGID}" 0 +2
    DeleteRegKey HKCU "${EXTENSION_KEY}"
  DeleteRegKey HKCU "${PROGID_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  !insertmacro TellExplorerTheTypesChanged
SectionEnd
