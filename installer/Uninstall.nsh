; The uninstaller removes what the installer installed and what Brisvane set up for itself (the
; log-on Run value, the shut-down and boot cleaning), and nothing else. It asks whether the
; user's settings, cookie keep-lists and cleaning reports go too; silently (/S) it keeps them,
; unless /REMOVEUSERDATA is given as well.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Var RemoveUserData

Function un.onInit
    SetShellVarContext all
    StrCpy $RemoveUserData 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVEUSERDATA" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveUserData 1
    ${EndIf}
FunctionEnd

; Brisvane.exe cannot be removed while it runs: the user closes it and retries, or the
; uninstallation stops before anything is removed (silently it stops).
Function un.DeleteProgram
    ${Do}
        ClearErrors
        Delete "$INSTDIR\Brisvane.exe"
        ${IfNot} ${Errors}
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Brisvane is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
        Abort "Brisvane is running: nothing was removed."
retry:
    ${Loop}
FunctionEnd

; The Run value "clean" when it starts this installation's Brisvane.exe (with or without
; quotes around the path, long or short form); a value of another program stays.
Function un.RemoveRunValue
    ReadRegStr $0 HKCU "${RUN_KEY}" "clean"
    GetFullPathName /SHORT $1 "$INSTDIR"
    ${If} $0 == '"$INSTDIR\Brisvane.exe" 1'
    ${OrIf} $0 == '$INSTDIR\Brisvane.exe 1'
    ${OrIf} $0 == '"$1\Brisvane.exe" 1'
    ${OrIf} $0 == '$1\Brisvane.exe 1'
        DeleteRegValue HKCU "${RUN_KEY}" "clean"
    ${EndIf}
FunctionEnd

; The settings with the keep-lists below them, and the program's report files.
Function un.RemoveUserData
    DeleteRegKey HKCU "Software\Brisvane\Settings"
    DeleteRegKey /ifempty HKCU "Software\Brisvane"
    Delete "$INSTDIR\Reports\CleanReport*.txt"
    RMDir "$INSTDIR\Reports"
FunctionEnd

Section "Uninstall"
    ${If} $RemoveUserData = 0
    ${AndIf} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Also remove your Brisvane settings, cookie keep-lists and cleaning reports?" \
        /SD IDNO IDYES`
        StrCpy $RemoveUserData 1
    ${EndIf}
    Call un.DeleteProgram
!ifdef BRISVANE_DLL
    Delete "$INSTDIR\Brisvane.dll"
!endif
    !insertmacro UninstallUserGuide
    RMDir "$INSTDIR\UserGuide"
    Delete "$INSTDIR\Policies\en-US\Brisvane.adml"
    RMDir "$INSTDIR\Policies\en-US"
    Delete "$INSTDIR\Policies\Brisvane.admx"
    RMDir "$INSTDIR\Policies"
    Delete "$SMPROGRAMS\Brisvane.lnk"
    Call un.RemoveRunValue
    Call un.RemoveShutdownCleaning
    ${If} $RemoveUserData = 1
        Call un.RemoveUserData
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
