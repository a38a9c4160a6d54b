# Sourced by run.sh: running programs in the installer test's Wine prefix, reading its
# registry files, and counting checks.
wine=/usr/lib/wine/wine64
failures=0

check() {  # <what> <command...>: runs the command, counts a failure when it fails
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

fails() { ! "$@"; }

# Waits until every process of the prefix has ended and the wine server has written the
# registry to its files, so that the files below tell the truth.
settle() { wineserver -w; }

in_wine() { "$wine" "$@" </dev/null >/dev/null 2>&1; }

# Runs a command line exactly as typed (an installer's "/D=" must stay unquoted, blanks and
# all), through a batch file; its status is the program's.
as_typed() {  # <command line>
    local batch="$WINEPREFIX/drive_c/typed.cmd"
    printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" >"$batch"
    in_wine cmd /c 'C:\typed.cmd'
    local status=$?
    rm -f "$batch"
    return $status
}

# A registry key or value as user.reg / system.reg write it: key names with "\\", sections
# headed "[key] time", values "name"=data. Key names compare ignoring case, as Windows does.
reg_section() {  # <user|system> <key>: the section's lines, status 1 when the key is missing
    KEY="[${2//\\/\\\\}]" awk '
        BEGIN { k = tolower(ENVIRON["KEY"]) }
        /^\[/ { inside = tolower($0) == k || index(tolower($0), k " ") == 1; if (inside) found = 1; next }
        inside && $0 != "" { print }
        END { exit found ? 0 : 1 }' "$WINEPREFIX/$1.reg"
}

reg_value() {  # <user|system> <key> <name>: the value's data as written in the file
    local name="\"$3\"="
    reg_section "$1" "$2" | awk -v n="${#name}" -v name="$name" \
        'tolower(substr($0, 1, n)) == tolower(name) { print substr($0, n + 1); found = 1 }
         END { exit found ? 0 : 1 }'
}

has_key() { reg_section "$1" "$2" >/dev/null; }
no_key() { ! has_key "$@"; }
has_value() { reg_value "$@" >/dev/null; }
no_value() { ! has_value "$@"; }
value_is() {  # <user|system> <key> <name> <data as the file writes it>
    local actual
    actual=$(reg_value "$1" "$2" "$3") || return 1
    [ "$actual" = "$4" ] || { echo "  $3 is $actual, not $4"; return 1; }
}

# Every registry section that names Brisvane, in its header or in a value.
sections_naming_brisvane() {
    awk '/^\[/ { section = $1 } tolower($0) ~ /brisvane/ { print section }' \
        "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" | sort -u
}

# Imports registry lines (regedit format, without the header) into the prefix.
import_registry() {
    local file="$WINEPREFIX/drive_c/import.reg"
    { echo "REGEDIT4"; echo; cat; } >"$file"
    in_wine regedit /s 'C:\import.reg'
    rm -f "$file"
}

# Writes a file below the prefix's drive C with CR LF line ends: <path> <line>...
write_crlf() {
    local file="$WINEPREFIX/drive_c/$1"
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\r\n' "$@" >"$file"
}

present() { for f in "$@"; do [ -e "$f" ] || { echo "  missing: $f"; return 1; }; done; }
absent() { for f in "$@"; do [ ! -e "$f" ] || { echo "  still there: $f"; return 1; }; done; }
same_bytes() { cmp -s "$1" "$2" || { echo "  $2 differs from $1"; return 1; }; }
