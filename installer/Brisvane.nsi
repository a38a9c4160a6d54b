; Brisvane's installer and uninstaller, built by the build's "installer" target:
;   makensis -DVERSION=1.0.0 -DOUTFILE=<setup.exe> -DBRISVANE_EXE=<Brisvane.exe>
;            -DGUIDE_FILES=<UserGuideFiles.nsh> -DICON=<Brisvane.ico> -DPOLICIES=<policies folder>
;            [-DBRISVANE_DLL=<Brisvane.dll>] [-DTEST_AS_9X_FAMILY] Brisvane.nsi
; It is 64-bit: it installs into the 64-bit "Program Files" and writes the native registry
; view. Like every NSIS installer it runs silently with /S and takes the folder with /D=.
; Installing over an earlier version replaces the program's files only: the user's settings,
; keep-lists and reports stay as they are.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include LogicLib.nsh
!include FileFunc.nsh
!include WinVer.nsh
!addincludedir "${__FILEDIR__}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brisvane"

Name "Brisvane ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Brisvane"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Brisvane ${VERSION}"
InstallColors /windows
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Brisvane"
VIAddVersionKey "CompanyName" "Brisvane"
VIAddVersionKey "FileDescription" "Brisvane Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Brisvane"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!include "${GUIDE_FILES}"
!include "ShutdownFolders.nsh"
!include "Uninstall.nsh"

Function .onInit
    SetShellVarContext all
FunctionEnd

Section "Brisvane" SecProgram
    Call StopUnlessReplaceable
    SetOutPath "$INSTDIR"
    File "/oname=Brisvane.exe" "${BRISVANE_EXE}"
!ifdef BRISVANE_DLL
    File "/oname=Brisvane.dll" "${BRISVANE_DLL}"
!endif
    SetOutPath "$INSTDIR\UserGuide"
    !insertmacro InstallUserGuide
    ; The administrative template, for the administrators to copy into their policy store.
    SetOutPath "$INSTDIR\Policies"
    File "/oname=Brisvane.admx" "${POLICIES}\Brisvane.admx"
    SetOutPath "$INSTDIR\Policies\en-US"
    File "/oname=Brisvane.adml" "${POLICIES}\en-US\Brisvane.adml"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Brisvane.lnk" "$INSTDIR\Brisvane.exe" "" "$INSTDIR\Brisvane.exe" 0
    Call RecordShutdownFolders
    Call WriteUninstallEntry
SectionEnd

; Brisvane.exe cannot be replaced while it runs (it waits in the tray all day): the user closes
; it and retries, or the installation stops before it changes anything (silently it stops).
Function StopUnlessReplaceable
    ${DoWhile} ${FileExists} "$INSTDIR\Brisvane.exe"
        ClearErrors
        FileOpen $0 "$INSTDIR\Brisvane.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Brisvane is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
        Abort "Brisvane is running: nothing was changed."
retry:
    ${Loop}
FunctionEnd

; The entry under "Add or remove programs".
Function WriteUninstallEntry
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Brisvane"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Brisvane"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Brisvane.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SecProgram} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd
