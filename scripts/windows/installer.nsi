; The program's installer, made by makensis (Debian's nsis) in package.sh:
;     makensis -DVERSION=1.0 -DSTAGE=DIR -DFILES=FILES.nsh -DICON=FILE [-DSIGN=COMMAND]
;              -DNAME=PRODUCT -DPUBLISHER=NAME -DAPP_ID=ID -DFOLDER=FOLDER
;              -DOUTFILE=FILE installer.nsi
;
; NAME, PUBLISHER, APP_ID and FOLDER are the project's identity (CMakeLists.txt):
; FOLDER is the folder under Program Files, and the key that the Windows
; Installer package writes.
;
; SIGN, a command that signs the file it is given in place, signs the
; uninstaller as makensis writes it into the installer, and then the installer.
; FILES.nsh lists what the installer puts in the folder, in the macros OurFiles
; and OurFolders (nsis.sh writes it from STAGE). The uninstaller takes away
; exactly those files, by name, and a folder only once it is empty, so that a
; folder shared with the user's own files keeps them; it acts only on the
; installation that the registry records, and an upgrade has the installed
; version's own uninstaller take that version away first. Where the Windows
; Installer package (euler-primes.wxs) has installed the program, the
; installer refuses: the two would share the Start-menu entry and could undo
; each other.
Target amd64-unicode
!include "MUI2.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define UNINSTALLER "uninstall.exe"
; The key that the Windows Installer package writes where it installs.
!define PACKAGE_KEY "Software\${FOLDER}"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
; The exit code of a silent install or uninstall that refuses.
!define REFUSED 2

!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"' = 0
    !finalize '"${SIGN}" "%1"' = 0
!endif

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${FOLDER}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1026 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "FileDescription" "${NAME}"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

!macro PutFile FILE SOURCE
    File "/oname=$INSTDIR\${FILE}" "${STAGE}/${SOURCE}"
!macroend
!macro MakeFolder FOLDER
    CreateDirectory "$INSTDIR\${FOLDER}"
!macroend
!macro NoteFileOfTheSameName FILE SOURCE
    IfFileExists "$INSTDIR\${FILE}" 0 +2
        StrCpy $1 "${FILE}"
!macroend
!macro RemoveFile FILE SOURCE
    Delete "$0\${FILE}"
!macroend
!macro RemoveFolderIfEmpty FOLDER
    RMDir "$0\${FOLDER}"
!macroend

; Tells MESSAGE (silently, the exit code alone) and ends.
!macro Refuse MESSAGE
    MessageBox MB_ICONEXCLAMATION|MB_OK "${MESSAGE}" /SD IDOK
    SetErrorLevel ${REFUSED}
    Quit
!macroend

; Takes away an installation of ours from the folder $0: our files by name,
; then the folders, each only if nothing else is left in it.
!macro RemoveInstallation
    !insertmacro OurFiles RemoveFile
    Delete "$0\${UNINSTALLER}"
    !insertmacro OurFolders RemoveFolderIfEmpty
    RMDir "$0"
!macroend

; $1 = the name of a file in $INSTDIR that we would overwrite and that no
; installation of ours put there, or "" when there is none.
Function FindOthersFile
    StrCpy $1 ""
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 $INSTDIR done  ; our own earlier installation: an upgrade
    !insertmacro OurFiles NoteFileOfTheSameName
    !insertmacro NoteFileOfTheSameName "${UNINSTALLER}" ""
    done:
FunctionEnd

!define REFUSAL "Папката „$INSTDIR“ вече съдържа файл „$1“, който не е от тази програма. Изберете друга папка."

Function .onInit
    ReadRegStr $0 HKLM "${PACKAGE_KEY}" "InstallFolder"
    StrCmp $0 "" done
        !insertmacro Refuse "Програмата вече е инсталирана в „$0“ от пакета за Windows Installer (.msi). Премахнете я чрез „Програми и компоненти“, преди да я инсталирате с този инсталатор."
    done:
FunctionEnd

Function LeaveFolderPage
    Call FindOthersFile
    StrCmp $1 "" +3
        MessageBox MB_ICONEXCLAMATION|MB_OK "${REFUSAL}"
        Abort
FunctionEnd

Section "Install"
    SetShellVarContext all
    Call FindOthersFile
    StrCmp $1 "" 0 refuse
    ; An earlier installation goes first, by its own uninstaller: each
    ; version takes away the files that it put in place.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "" install
    IfFileExists "$0\${UNINSTALLER}" 0 install
        ClearErrors
        ; With _?= it runs where it is, and is waited for.
        ExecWait '"$0\${UNINSTALLER}" /S _?=$0' $2
        IfErrors not_removed
        StrCmp $2 0 removed
        not_removed:
            !insertmacro Refuse "Инсталираната версия в „$0“ не можа да бъде премахната."
        removed:
        Delete "$0\${UNINSTALLER}"
        RMDir "$0"
    install:
    CreateDirectory "$INSTDIR"
    !insertmacro OurFolders MakeFolder
    !insertmacro OurFiles PutFile
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\euler-primes.exe" "" "$INSTDIR\euler-primes.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\euler-primes.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    Return
    refuse:
        !insertmacro Refuse "${REFUSAL}"
SectionEnd

; An uninstaller acts only on the installation that the registry records: a
; copy of it elsewhere, or one left behind by an installation since moved,
; takes nothing away.
Function un.onInit
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $1 $INSTDIR done
        !insertmacro Refuse "Тази програма за премахване не е на инсталираната програма (тя е в „$1“). Нищо не е премахнато."
    done:
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    StrCpy $0 $INSTDIR
    !insertmacro RemoveInstallation
    Delete "${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
