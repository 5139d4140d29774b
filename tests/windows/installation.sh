# shellcheck shell=bash
# What the checks of the installer and of the Windows Installer package look
# at in the Wine prefix (WINEPREFIX). Source it after setting `check` to the
# name that failures are reported under.
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# The project's identity comes in the environment (cmake/windows.cmake).
readonly product=${EULER_PRODUCT:?names the program}
readonly package_key="HKEY_LOCAL_MACHINE\\Software\\${EULER_WINDOWS_FOLDER:?}"
readonly programs="Microsoft/Windows/Start Menu/Programs/$product.lnk"

# The files under FOLDER, as the packaging lists a staged folder's.
staged_files() { "$(dirname "${BASH_SOURCE[0]}")/../../scripts/windows/staged-files.sh" "$1"; }

# The program's Start-menu entries: for every user, or (where Wine's msiexec
# puts a per-machine package's shortcut) for the user who installed it.
start_menu_entries() {
    find "$WINEPREFIX/drive_c/ProgramData/$programs" \
        "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/"$programs" 2>/dev/null || true
}

# shellcheck disable=SC2154 # `check` is the caller's
fail() { echo "$check: $*" >&2; exit 1; }

# Runs COMMAND... and waits for every Windows process of the session to end,
# those that it left going on by themselves (an uninstaller's copy of
# itself, msiexec's service) included; returns COMMAND's status.
settled() {
    local status=0
    "$@" || status=$?
    "$WINESERVER" --wait
    return "$status"
}

# The folder of the prefix that Windows calls C:\NAME.
folder() { echo "$WINEPREFIX/drive_c/$1"; }

# How many programs named $product Windows lists under "Uninstall a
# program", in the 64-bit and the 32-bit view of the registry.
uninstall_entries() {
    local exported
    exported=$(mktemp --suffix=.reg)
    for view in "" "Wow6432Node\\"; do
        rm -f "$exported"
        "$WINE" regedit /E "Z:${exported//\//\\}" \
            "HKEY_LOCAL_MACHINE\\Software\\${view}Microsoft\\Windows\\CurrentVersion\\Uninstall" \
            2>/dev/null || true
        [[ -s "$exported" ]] && iconv -f UTF-16 -t UTF-8 "$exported"
    done | grep -c "^\"DisplayName\"=\"$product\"" || true
    rm -f "$exported"
}

# Whether the registry holds KEY (a full name, HKEY_LOCAL_MACHINE\...).
registry_has() {
    "$WINE" reg query "$1" >/dev/null 2>&1
}

# Fails unless FOLDER holds exactly the files listed (paths under it) and
# nothing else.
expect_files() {
    local folder="$1"
    shift
    local expected actual
    [[ -d "$folder" ]] || fail "$folder is gone"
    expected=$(printf '%s\n' "$@" | LC_ALL=C sort)
    actual=$(staged_files "$folder")
    [[ "$actual" == "$expected" ]] ||
        fail "$folder holds $(echo $actual | tr '\n' ' '), expected $(echo $expected | tr '\n' ' ')"
}

# The folder C:\NAME (Учител unless given), made anew with a file of the
# teacher's in it.
teachers_folder() {
    local shared
    shared=$(folder "${1:-Учител}")
    rm -rf "$shared"
    mkdir -p "$shared"
    echo "the teacher's notes" >"$shared/Бележки.txt"
    echo "$shared"
}

# Fails unless FOLDER (teachers_folder) holds the teacher's file and the
# files listed, and the program has one Start-menu entry and one uninstall
# entry; WHEN names the moment in a failure.
#     expect_installed WHEN FOLDER FILE...
expect_installed() {
    local when="$1" shared="$2"
    shift 2
    expect_files "$shared" Бележки.txt "$@"
    local entries
    entries=$(start_menu_entries | wc -l)
    [[ $entries == 1 ]] || fail "$when: $entries Start-menu entries"
    entries=$(uninstall_entries)
    [[ $entries == 1 ]] || fail "$when: $entries uninstall entries"
}

# Fails unless FOLDER (teachers_folder) holds the teacher's file alone and
# nothing of the program is left in the Start menu and the uninstall list.
expect_removed() {
    expect_files "$1" Бележки.txt
    [[ -z "$(start_menu_entries)" ]] || fail "the Start-menu entry is left"
    local entries
    entries=$(uninstall_entries)
    [[ $entries == 0 ]] || fail "$entries uninstall entries are left"
}
