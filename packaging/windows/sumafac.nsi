; Sumafac's installer for 64-bit Windows, made by tools/package-windows.sh with Debian's makensis:
;   makensis -DVERSION=1.2.0 -DFILES=<files.nsh> -DICON=<sumafac.ico> -DSIZE_KB=<n>
;            -DOUTFILE=<Sumafac-1.2.0-setup.exe> sumafac.nsi
; FILES names every file of the program folder twice, to install and to remove, so that the uninstaller removes only
; what the installer put there: the user's own files (.sa1 among them) stay, and so does their folder. Its
; subfolders (platforms, styles, translations) come and go with it. ICON is the one the build gave sumafac.exe.
; /S installs or uninstalls without asking.
; A 64-bit installer for a 64-bit program: it also runs where only 64-bit programs run, as on a 64-bit-only Wine.
Target amd64-unicode
!include "MUI2.nsh"
!include "x64.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sumafac"
!define UNINSTALLER "desinstalar.exe"

Name "Sumafac ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Sumafac"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Sumafac ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Sumafac suma lo facturado electrónicamente, mes a mes, a partir de los archivos que \
    el contribuyente baja de la AFIP.$\r$\n$\r$\nSe instalará en la carpeta de programas. Los archivos de trabajo y \
    los archivos .sa1 guardados van a la carpeta de datos del usuario (%LOCALAPPDATA%\Sumafac) y quedan allí \
    aunque se desinstale el programa."
!define MUI_FINISHPAGE_RUN "$INSTDIR\sumafac.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir Sumafac"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

; The file properties of the installer (after the language, which defines LANG_SPANISH).
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "Sumafac"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de Sumafac"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "GPL-3.0-or-later"

; A program for every user of the machine: the 64-bit registry and the shared Start menu.
!macro ForEveryUser
    SetRegView 64
    SetShellVarContext all
!macroend

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "Sumafac necesita Windows de 64 bits." /SD IDOK
        Abort
    ${EndIf}
    !insertmacro ForEveryUser
FunctionEnd

Function un.onInit
    !insertmacro ForEveryUser
FunctionEnd

Section "Sumafac"
    SetOutPath "$INSTDIR"
    !insertmacro InstallProgramFiles
    File "/oname=sumafac.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\Sumafac.lnk" "$INSTDIR\sumafac.exe" "" "$INSTDIR\sumafac.ico" 0 \
        SW_SHOWNORMAL "" "Suma lo facturado por mes y por año"

    ; What Windows' "Aplicaciones" settings show and run to uninstall.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Sumafac"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Sumafac"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\sumafac.ico"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    !insertmacro RemoveProgramFiles
    Delete "$INSTDIR\sumafac.ico"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only when empty: a folder that still holds the user's files stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Sumafac.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
