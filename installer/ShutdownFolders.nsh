; What Brisvane sets up itself for cleaning at shut-down (NT family: two command files and
; "scripts.ini" below the system folder) or at the next boot (9x family: two batch files and
; lines added to c:\autoexec.bat, with a backup c:\autoexec.cln), and how the uninstaller
; recognises and removes exactly that and nothing a user or another program wrote.
!define GP_SCRIPTS "$SYSDIR\GroupPolicy\Machine\Scripts"
!define MOVEFILE_REPLACE_EXISTING 1

Var CheckedFile    ; the file that un.IsBrisvaneScript and un.IsBrisvaneScriptsIni read
Var ScriptCommand  ; the deletion command of a Brisvane script: "rd /s/q " or "deltree /Y "
Var IsBrisvanes    ; their answer: 1 when the file holds nothing but what Brisvane writes
Var Line
Var LineCount
Var Handle

; Brisvane creates the folders GroupPolicy\Machine\Scripts\Shutdown below the system folder
; when they are missing. The installer records how many of them, from the top, were there
; before Brisvane was first installed (kept through upgrades), so that the uninstaller removes
; only folders that came with Brisvane, and only when they are empty.
Function RecordShutdownFolders
    ClearErrors
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "ShutdownFoldersPresent"
    ${IfNot} ${Errors}
        Return
    ${EndIf}
    StrCpy $0 0
    IfFileExists "$SYSDIR\GroupPolicy\*.*" 0 counted
    StrCpy $0 1
    IfFileExists "$SYSDIR\GroupPolicy\Machine\*.*" 0 counted
    StrCpy $0 2
    IfFileExists "${GP_SCRIPTS}\*.*" 0 counted
    StrCpy $0 3
    IfFileExists "${GP_SCRIPTS}\Shutdown\*.*" 0 counted
    StrCpy $0 4
counted:
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "ShutdownFoldersPresent" $0
FunctionEnd

Function un.RemoveShutdownFolders
    ClearErrors
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "ShutdownFoldersPresent"
    ${If} ${Errors}
        Return
    ${EndIf}
    ${If} $0 < 4
        RMDir "${GP_SCRIPTS}\Shutdown"
    ${EndIf}
    ${If} $0 < 3
        RMDir "${GP_SCRIPTS}"
    ${EndIf}
    ${If} $0 < 2
        RMDir "$SYSDIR\GroupPolicy\Machine"
    ${EndIf}
    ${If} $0 < 1
        RMDir "$SYSDIR\GroupPolicy"
    ${EndIf}
FunctionEnd

; Drops the CR and LF that end a line read by FileRead.
!macro TrimLineEnd _var
    ${Do}
        StrCpy $R9 ${_var} 1 -1
        ${If} $R9 != "$\r"
        ${AndIf} $R9 != "$\n"
            ${Break}
        ${EndIf}
        StrCpy ${_var} ${_var} -1
    ${Loop}
!macroend

; Whether $CheckedFile is a deletion script as Brisvane writes it: the line "@echo off", then
; at most one line that begins with $ScriptCommand, and nothing else.
Function un.IsBrisvaneScript
    StrCpy $IsBrisvanes 0
    ClearErrors
    FileOpen $Handle $CheckedFile r
    ${If} ${Errors}
        Return
    ${EndIf}
    StrLen $1 $ScriptCommand
    StrCpy $LineCount 0
    ${Do}
        ClearErrors
        FileRead $Handle $Line
        ${If} ${Errors}
            ${If} $LineCount > 0
                StrCpy $IsBrisvanes 1
            ${EndIf}
            ${Break}
        ${EndIf}
        IntOp $LineCount $LineCount + 1
        !insertmacro TrimLineEnd $Line
        ${If} $LineCount = 1
            StrCpy $2 "@echo off"
        ${Else}
            StrCpy $2 $ScriptCommand
            StrCpy $Line $Line $1  ; its beginning
        ${EndIf}
        ${If} $LineCount > 2
        ${OrIf} $Line S!= $2
            ${Break}
        ${EndIf}
    ${Loop}
    FileClose $Handle
FunctionEnd

; Whether $CheckedFile is a "scripts.ini" that holds nothing but Brisvane's entries: a
; "[Shutdown]" section that runs del_temp.cmd and del_history.cmd, and empty lines.
Function un.IsBrisvaneScriptsIni
    StrCpy $IsBrisvanes 0
    ClearErrors
    FileOpen $Handle $CheckedFile r
    ${If} ${Errors}
        Return
    ${EndIf}
    StrCpy $LineCount 0  ; the number of "[Shutdown]" lines
    ${Do}
        ClearErrors
        FileRead $Handle $Line
        ${If} ${Errors}
            ${If} $LineCount = 1
                StrCpy $IsBrisvanes 1
            ${EndIf}
            ${Break}
        ${EndIf}
        !insertmacro TrimLineEnd $Line
        ${If} $Line S== "[Shutdown]"
            IntOp $LineCount $LineCount + 1
        ${ElseIf} $Line S== ""
        ${OrIf} $Line S== "0CmdLine = del_temp.cmd"
        ${OrIf} $Line S== "0Parameters="
        ${OrIf} $Line S== "1CmdLine = del_history.cmd"
        ${OrIf} $Line S== "1Parameters="
        ${OrIf} $Line S== "0CmdLine = del_history.cmd"
        ${Else}
            ${Break}
        ${EndIf}
    ${Loop}
    FileClose $Handle
FunctionEnd

!macro RemoveIfBrisvaneScript _file _command
    StrCpy $CheckedFile "${_file}"
    StrCpy $ScriptCommand "${_command}"
    Call un.IsBrisvaneScript
    ${If} $IsBrisvanes = 1
        Delete $CheckedFile
    ${EndIf}
!macroend

; $0 = 1 on the 9x family. A test build (TEST_AS_9X_FAMILY) takes the 9x branch anywhere, so
; that it can be tested where only the NT family runs.
Function un.Is9xFamily
!ifdef TEST_AS_9X_FAMILY
    StrCpy $0 1
!else
    StrCpy $0 1
    ${If} ${IsNT}
        StrCpy $0 0
    ${EndIf}
!endif
FunctionEnd

; c:\autoexec.cln is Brisvane's backup of the user's own c:\autoexec.bat from before it added
; its lines: it replaces the changed file in one step.
Function un.UndoBootCleaning
    ${If} ${FileExists} "c:\autoexec.cln"
        System::Call 'kernel32::MoveFileExW(w "c:\autoexec.cln", w "c:\autoexec.bat", \
                      i ${MOVEFILE_REPLACE_EXISTING}) i .r0'
        DetailPrint "Restore: c:\autoexec.bat from c:\autoexec.cln ($0)"
    ${EndIf}
    !insertmacro RemoveIfBrisvaneScript "c:\del_temp.bat" "deltree /Y "
    !insertmacro RemoveIfBrisvaneScript "c:\del_hist.bat" "deltree /Y "
FunctionEnd

Function un.RemoveShutdownCleaning
    !insertmacro RemoveIfBrisvaneScript "${GP_SCRIPTS}\Shutdown\del_temp.cmd" "rd /s/q "
    !insertmacro RemoveIfBrisvaneScript "${GP_SCRIPTS}\Shutdown\del_history.cmd" "rd /s/q "
    StrCpy $CheckedFile "${GP_SCRIPTS}\scripts.ini"
    Call un.IsBrisvaneScriptsIni
    ${If} $IsBrisvanes = 1
        Delete $CheckedFile
    ${EndIf}
    Call un.RemoveShutdownFolders
    Call un.Is9xFamily
    ${If} $0 = 1
        Call un.UndoBootCleaning
    ${EndIf}
FunctionEnd
