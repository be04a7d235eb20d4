; The Windows installer of Karvela, built by scripts/build-windows.sh with makensis:
;   makensis -DBUILD=<Windows build folder> -DDIST=<ready folder> -DOUTDIR=<folder of the setup> karvela.nsi
; The build folder holds version.nsh, which CMake writes from project(), and
; uninstall-files.nsh, which cmake --install writes from its manifest.
; It installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Karvela, with a Start-menu shortcut, an optional desktop
; shortcut, an uninstaller and an entry in "Programs and Features". The uninstaller
; removes exactly the files of the install manifest, never the folder blindly.
; It is our own script, not CPack's NSIS generator: that one (CMake 3.25) installs for
; all users under Program Files, which needs administrator rights, and its uninstaller
; cannot be limited to the files it installed.

Unicode true
; Karvela is a 64-bit program; its installer is one too.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "${BUILD}\version.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Karvela"
; The iskât files' type, registered for the current user.
!define FILE_CLASS "Karvela.IskatDosyasi"

Name "Karvela"
OutFile "${OUTDIR}\${SETUP_NAME}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Karvela"
InstallDirRegKey HKCU "Software\Karvela" "InstallDir"
BrandingText "Karvela ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1055 "ProductName" "Karvela"
VIAddVersionKey /LANG=1055 "FileDescription" "Karvela kurulumu"
VIAddVersionKey /LANG=1055 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1055 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1055 "LegalCopyright" "GNU GPL 3 veya sonrasi"

!define MUI_ICON "${DIST}\karvela.ico"
!define MUI_UNICON "${DIST}\karvela.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\karvela.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${DIST}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Turkish"

Section "Karvela" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${DIST}\*.*"
    WriteUninstaller "$INSTDIR\Kaldir.exe"
    CreateShortcut "$SMPROGRAMS\Karvela.lnk" "$INSTDIR\karvela.exe" "" "$INSTDIR\karvela.exe" 0
    WriteRegStr HKCU "Software\Karvela" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Karvela"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\karvela.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Karvela"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Kaldir.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Kaldir.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ; A double click on an iskât file opens it in Karvela: for this user only.
    WriteRegStr HKCU "Software\Classes\.karvela" "" "${FILE_CLASS}"
    WriteRegStr HKCU "Software\Classes\${FILE_CLASS}" "" "Karvela iskât dosyası"
    WriteRegStr HKCU "Software\Classes\${FILE_CLASS}\DefaultIcon" "" "$INSTDIR\karvela.exe,0"
    WriteRegStr HKCU "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\karvela.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "Masaüstü kısayolu" SectionDesktop
    CreateShortcut "$DESKTOP\Karvela.lnk" "$INSTDIR\karvela.exe" "" "$INSTDIR\karvela.exe" 0
SectionEnd

LangString DescriptionProgram ${LANG_TURKISH} "Karvela programı (gerekli)."
LangString DescriptionDesktop ${LANG_TURKISH} "Masaüstüne bir Karvela kısayolu koyar."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} $(DescriptionProgram)
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} $(DescriptionDesktop)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Only what the installer put there is removed: a folder the user chose may hold more.
Section "Uninstall"
    !include "${BUILD}\uninstall-files.nsh"
    Delete "$INSTDIR\Kaldir.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Karvela.lnk"
    Delete "$DESKTOP\Karvela.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\Karvela"
    ; The extension is left alone where another program has taken it since.
    ReadRegStr $0 HKCU "Software\Classes\.karvela" ""
    StrCmp $0 "${FILE_CLASS}" 0 +2
        DeleteRegKey HKCU "Software\Classes\.karvela"
    DeleteRegKey HKCU "Software\Classes\${FILE_CLASS}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
