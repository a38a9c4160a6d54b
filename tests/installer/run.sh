#!/usr/bin/env bash
# Installs Brisvane with its installer into a fresh Wine prefix, silently; starts and closes
# the installed program; installs again over it; uninstalls silently; and checks that exactly
# what came with Brisvane went and the user's settings, keep-lists and reports stayed. Then the
# same with a folder of the user's choice, files of other programs beside Brisvane's, and the
# user's data removed on request; and the 9x-family branch of the uninstaller.
# Usage: run.sh <setup.exe> <9x-family test setup.exe> <prefix folder> <Brisvane.dll inside: 0|1>
set -uo pipefail
setup=$1
setup_9x=$2
has_dll=$4
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/installer/lib.sh"
source "$root/scripts/xvfb.sh"

export WINEPREFIX=$3
export WINEDEBUG=-all
# No Unix menu entries for the shortcut, no downloads of Wine's optional parts.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
export XDG_DATA_HOME=$WINEPREFIX/xdg
trap 'wineserver -k 2>/dev/null; stop_xvfb' EXIT
start_xvfb || exit 1

c=$WINEPREFIX/drive_c
version=$(sed -n 's/^project(Brisvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Brisvane'
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
settings_key='Software\Brisvane\Settings'

new_prefix() {
    wineserver -k 2>/dev/null
    rm -rf "$WINEPREFIX"
    echo "Creating the installer test's Wine prefix $WINEPREFIX..."
    in_wine wineboot -i
    settle
    # The virtual display has no window manager: Wine draws the windows itself.
    import_registry <<'EOF'
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
EOF
    cp /usr/share/wine/fonts/marlett.ttf "$c/windows/Fonts/" 2>/dev/null
    settle
    [ -f "$WINEPREFIX/system.reg" ]
}

# Starts the installed program and waits for its main window.
start_program() {  # <Windows path of Brisvane.exe>
    "$wine" "$1" </dev/null >/dev/null 2>&1 &
    program=$!
    for _ in $(seq 1 60); do
        xdotool search --name "^Brisvane - Ver " >/dev/null 2>&1 && return 0
        sleep 1
    done
    return 1
}

# Closes the program as Windows closes a program (WM_CLOSE to its windows); one that does not
# end is killed with every other process of the prefix.
close_program() {
    local closed=0
    in_wine taskkill /im Brisvane.exe
    for _ in $(seq 1 40); do kill -0 $program 2>/dev/null || break; sleep 0.5; done
    kill -0 $program 2>/dev/null && { wineserver -k; closed=1; }
    settle
    return $closed
}

# The program writes its log-on Run value at every start.
check_run_value() {  # <.reg form of the installed Brisvane.exe path>
    check "the program's start wrote the log-on Run value" \
        value_is user "$run_key" clean "\"\\\"$1\\\" 1\""
}

brisvane_script() {  # <file below drive C> <command>: as the program writes it
    write_crlf "$1" "@echo off" "$2 C:\\users\\root\\AppData\\Local\\Microsoft\\Windows\\INETCA~1\\"
}

scenario_default_folder() {
    echo "== Default folder: install, start, install again, uninstall keeping the user's data"
    local pf="$c/Program Files/Brisvane"
    local exe_reg='C:\\Program Files\\Brisvane\\Brisvane.exe'
    local lnk="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brisvane.lnk"
    check "the installer ends with status 0" in_wine "$setup" /S
    settle
    check "program, uninstaller and shortcut installed" \
        present "$pf/Brisvane.exe" "$pf/uninstall.exe" "$lnk"
    for page in "$root"/userguide/*.htm; do
        check "user guide page $(basename "$page")" same_bytes "$page" "$pf/UserGuide/${page##*/}"
    done
    check "administrative template installed" same_bytes "$root/policies/Brisvane.admx" \
        "$pf/Policies/Brisvane.admx"
    check "its English texts installed" same_bytes "$root/policies/en-US/Brisvane.adml" \
        "$pf/Policies/en-US/Brisvane.adml"
    if [ "$has_dll" = 1 ]; then
        check "Brisvane.dll installed" present "$pf/Brisvane.dll"
    else
        echo "skipped: Brisvane.dll (not built yet)"
    fi
    local key=$uninstall_key
    check "entry: display name" value_is system "$key" DisplayName '"Brisvane"'
    check "entry: version $version" value_is system "$key" DisplayVersion "\"$version\""
    check "entry: publisher" value_is system "$key" Publisher '"Brisvane"'
    check "entry: icon" value_is system "$key" DisplayIcon "\"$exe_reg,0\""
    check "entry: quoted uninstall command" value_is system "$key" UninstallString \
        '"\"C:\\Program Files\\Brisvane\\uninstall.exe\""'
    check "entry: quiet uninstall command" value_is system "$key" QuietUninstallString \
        '"\"C:\\Program Files\\Brisvane\\uninstall.exe\" /S"'
    check "entry: size" bash -c "[[ \$1 =~ ^dword:0000[0-9a-f]{4}$ && \$1 != dword:00000000 ]]" - \
        "$(reg_value system "$key" EstimatedSize)"

    check "the installed program starts" start_program 'C:\Program Files\Brisvane\Brisvane.exe'
    check "installing over the running program stops" fails in_wine "$setup" /S
    check "the program closes" close_program
    check "its start created the settings" value_is user "$settings_key" Run '"false"'
    check_run_value "$exe_reg"

    # The user's keep-list and a report, and Brisvane's shut-down cleaning (as the program
    # sets it up) with the Run value, unless the program wrote them already.
    import_registry <<'EOF'
[HKEY_CURRENT_USER\Software\Brisvane\Settings\Cookies]
"Cookie0"="user@example.com"
[HKEY_CURRENT_USER\Software\Brisvane\Settings\Browsers]
"Chrome|Default"="True"
[HKEY_CURRENT_USER\Software\Brisvane\Settings\Sites]
"Site0"="example.com"
EOF
    has_value user "$run_key" clean || import_registry <<'EOF'
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"clean"="\"C:\\Program Files\\Brisvane\\Brisvane.exe\" 1"
EOF
    local report="$pf/Reports/CleanReport08122026_101010.txt"
    mkdir -p "$pf/Reports" && printf 'START OF CLEANING REPORT\r\n' >"$report"
    cp "$report" "$WINEPREFIX/report.kept"
    local gp=windows/system32/GroupPolicy/Machine/Scripts
    [ -f "$c/$gp/Shutdown/del_temp.cmd" ] || brisvane_script "$gp/Shutdown/del_temp.cmd" "rd /s/q"
    [ -f "$c/$gp/Shutdown/del_history.cmd" ] || brisvane_script "$gp/Shutdown/del_history.cmd" "rd /s/q"
    write_crlf "$gp/scripts.ini" "" "[Shutdown]" "0CmdLine = del_temp.cmd" "0Parameters=" \
        "1CmdLine = del_history.cmd" "1Parameters="
    # A backup of autoexec.bat on the NT family is not Brisvane's: it stays.
    write_crlf autoexec.bat "rem changed"
    write_crlf autoexec.cln "rem not Brisvane's"
    cp "$c/autoexec.cln" "$WINEPREFIX/autoexec.kept"
    settle

    check "installing again ends with status 0" in_wine "$setup" /S
    settle
    check "upgrade: settings kept" value_is user "$settings_key" Run '"false"'
    check "upgrade: keep-list kept" value_is user "$settings_key\\Cookies" Cookie0 '"user@example.com"'
    check "upgrade: report kept" same_bytes "$WINEPREFIX/report.kept" "$report"

    check "the uninstaller ends with status 0" in_wine 'C:\Program Files\Brisvane\uninstall.exe' /S
    settle
    check "program files and shortcut removed" absent "$pf/Brisvane.exe" "$pf/Brisvane.dll" \
        "$pf/uninstall.exe" "$pf/UserGuide" "$pf/Policies" "$lnk"
    check "entry removed" no_key system "$uninstall_key"
    check "Run value removed" no_value user "$run_key" clean
    check "shut-down scripts and the folders that came with them removed" \
        absent "$c/windows/system32/GroupPolicy"
    check "NT family: autoexec.bat and its backup untouched" \
        same_bytes "$WINEPREFIX/autoexec.kept" "$c/autoexec.cln"
    check "settings kept" value_is user "$settings_key" Run '"false"'
    check "keep-list kept" value_is user "$settings_key\\Cookies" Cookie0 '"user@example.com"'
    check "browser ticks kept" value_is user "$settings_key\\Browsers" 'Chrome|Default' '"True"'
    check "site keep-list kept" value_is user "$settings_key\\Sites" Site0 '"example.com"'
    check "report kept" same_bytes "$WINEPREFIX/report.kept" "$report"
    local left
    left=$(cd "$c" && find . -ipath '*brisvane*' | sort | tr '\n' ' ')
    check "no other file of Brisvane left ($left)" [ "$left" = "./Program Files/Brisvane \
./Program Files/Brisvane/Reports ./Program Files/Brisvane/Reports/CleanReport08122026_101010.txt " ]
    left=$(sections_naming_brisvane | grep -v '^\[Software\\\\Brisvane\\\\Settings' | tr '\n' ' ')
    check "no registry entry of Brisvane left but the settings ($left)" [ -z "$left" ]
    rm -rf "$pf" "$c/autoexec.bat" "$c/autoexec.cln"
}

scenario_chosen_folder() {
    echo "== Chosen folder, other programs' files beside Brisvane's, user data removed on request"
    local pf="$c/Apps/Brisvane Test"
    # cmd starts no program by a path beyond MAX_PATH, which the checkout's may be: the
    # installer runs from a copy on drive C.
    cp "$setup" "$c/typed-setup.exe"
    check "the installer takes /D=" as_typed '"C:\typed-setup.exe" /S /D=C:\Apps\Brisvane Test'
    settle
    rm -f "$c/typed-setup.exe"
    check "installed into the chosen folder" present "$pf/Brisvane.exe" "$pf/UserGuide"
    check "entry: install location" value_is system "$uninstall_key" InstallLocation \
        '"C:\\Apps\\Brisvane Test"'
    # Another program's entries in scripts.ini, its own del_temp.cmd and its own Run value
    # "clean"; the user's files in Brisvane's folders.
    local gp=windows/system32/GroupPolicy/Machine/Scripts
    write_crlf "$gp/scripts.ini" "" "[Shutdown]" "0CmdLine = del_temp.cmd" "0Parameters=" \
        "1CmdLine = backup.cmd" "1Parameters="
    write_crlf "$gp/Shutdown/del_temp.cmd" "@echo off" "del /q C:\\Other\\*.*"
    brisvane_script "$gp/Shutdown/del_history.cmd" "rd /s/q"
    cp "$c/$gp/scripts.ini" "$c/$gp/Shutdown/del_temp.cmd" "$WINEPREFIX/"
    import_registry <<'EOF'
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]
"clean"="\"C:\\Other\\clean.exe\" 1"
[HKEY_CURRENT_USER\Software\Brisvane\Settings\Cookies]
"Cookie0"="user@example.com"
[HKEY_CURRENT_USER\Software\Brisvane\Settings\Sites]
"Site0"="example.com"
EOF
    mkdir -p "$pf/Reports"
    printf 'report\r\n' >"$pf/Reports/CleanReport08122026_101010.txt"
    printf 'mine\r\n' >"$pf/Reports/mine.doc"
    printf 'mine\r\n' >"$pf/notes.txt"
    settle

    check "the uninstaller with /REMOVEUSERDATA ends with status 0" \
        in_wine 'C:\Apps\Brisvane Test\uninstall.exe' /S /REMOVEUSERDATA
    settle
    check "program removed" absent "$pf/Brisvane.exe" "$pf/uninstall.exe" "$pf/UserGuide" \
        "$pf/Policies"
    local left
    left=$(sections_naming_brisvane | tr '\n' ' ')
    check "settings, keep-lists and every other registry entry of Brisvane removed ($left)" \
        [ -z "$left" ]
    check "report removed" absent "$pf/Reports/CleanReport08122026_101010.txt"
    check "the user's files kept" present "$pf/Reports/mine.doc" "$pf/notes.txt"
    check "another program's Run value kept" value_is user "$run_key" clean \
        '"\"C:\\Other\\clean.exe\" 1"'
    check "a scripts.ini with other entries kept" same_bytes "$WINEPREFIX/scripts.ini" "$c/$gp/scripts.ini"
    check "another program's del_temp.cmd kept" \
        same_bytes "$WINEPREFIX/del_temp.cmd" "$c/$gp/Shutdown/del_temp.cmd"
    check "Brisvane's del_history.cmd removed" absent "$c/$gp/Shutdown/del_history.cmd"
    rm -rf "$c/Apps" "$c/windows/system32/GroupPolicy"
}

scenario_9x_family() {
    echo "== 9x family (test build): boot cleaning undone"
    # A folder that was there before Brisvane stays, empty as it is.
    mkdir -p "$c/windows/system32/GroupPolicy/Machine"
    check "the test installer ends with status 0" in_wine "$setup_9x" /S
    settle
    # The user's autoexec.bat with a byte outside ASCII, as Brisvane backs it up and changes it.
    printf '@echo off\r\nset PATH=C:\\DOS;C:\\\xe9t\xe9\r\n' >"$c/autoexec.cln"
    cp "$c/autoexec.cln" "$WINEPREFIX/autoexec.user"
    cp "$c/autoexec.cln" "$c/autoexec.bat"
    printf '\r\n@echo off\r\nc:\\del_temp.bat\r\nc:\\del_hist.bat\r\n' >>"$c/autoexec.bat"
    brisvane_script del_temp.bat "deltree /Y"
    brisvane_script del_hist.bat "deltree /Y"
    check "the uninstaller ends with status 0" in_wine 'C:\Program Files\Brisvane\uninstall.exe' /S
    settle
    check "autoexec.bat is the user's own again" same_bytes "$WINEPREFIX/autoexec.user" "$c/autoexec.bat"
    check "backup and batch files removed" absent "$c/autoexec.cln" "$c/del_temp.bat" "$c/del_hist.bat"
    check "program removed" absent "$c/Program Files/Brisvane"
    check "the system folder's GroupPolicy\\Machine, there before, kept" \
        present "$c/windows/system32/GroupPolicy/Machine"
    rm -rf "$c/autoexec.bat" "$c/windows/system32/GroupPolicy"
}

new_prefix || { echo "FAILED: could not create $WINEPREFIX"; exit 1; }
scenario_default_folder
scenario_chosen_folder
scenario_9x_family
echo "installer: $failures failed check(s)"
[ "$failures" -eq 0 ] || { echo "The prefix is left for a look: $WINEPREFIX"; exit 1; }
wineserver -k 2>/dev/null
rm -rf "$WINEPREFIX"
