#!/usr/bin/env bash
# The NSIS installer under Wine, run silently as an IT admin runs it:
#
# 1. into a folder that holds a file of the user's, it puts the program's
#    files and an uninstaller there, a Start-menu entry and one uninstall
#    entry;
# 2. again over it (an upgrade), and there is still one uninstall entry;
# 3. into a folder that holds a file of the user's under the name of one of
#    ours, it refuses, and the file stays as it was;
# 4. a copy of the uninstaller in that folder refuses too: it is not the
#    installation that Windows records;
# 5. the uninstaller takes away everything of ours and nothing else: the
#    user's file stays, and with it the folder;
# 6. an older version, with a file that this one lacks, upgraded by this one
#    into another folder, is taken away by its own uninstaller, that file
#    included.
#
#     install-check.sh SETUP.exe STAGE ICON [COPY]
#
# STAGE is the folder it installs, ICON the program's icon; COPY, where
# given, receives a copy of the uninstaller that the installer wrote.
set -euo pipefail
check=installer
here=$(dirname "$0")
source "$here/installation.sh"
setup=$(realpath "$1")
stage=$(realpath "$2")
icon=$(realpath "$3")
copy="${4:-}"
export LC_ALL=C.UTF-8  # the Cyrillic folder names reach Wine intact

mapfile -t ours < <(staged_files "$stage")
ours+=(uninstall.exe)
shared=$(teachers_folder)
pupils=$(folder Ученик)
rm -rf "$pupils"
mkdir -p "$pupils"
echo "the pupil's own README" >"$pupils/README.txt"
expect_pupils_file() {
    expect_files "$pupils" "$@" README.txt
    [[ "$(cat "$pupils/README.txt")" == "the pupil's own README" ]] ||
        fail "$1: the user's README.txt was overwritten"
}

for round in install upgrade; do
    settled "$WINE" "$setup" /S '/D=C:\Учител' || fail "$round: exit status $?"
    expect_installed "$round" "$shared" "${ours[@]}"
done
[[ -z "$copy" ]] || cp "$shared/uninstall.exe" "$copy"

status=0
settled "$WINE" "$setup" /S '/D=C:\Ученик' || status=$?
[[ $status == 2 ]] || fail "a folder with a README.txt of the user's: exit status $status"
expect_pupils_file

cp "$shared/uninstall.exe" "$pupils/"
status=0
settled "$WINE" "$pupils/uninstall.exe" /S '_?=C:\Ученик' || status=$?
[[ $status == 2 ]] || fail "a copied uninstaller: exit status $status"
expect_pupils_file uninstall.exe
rm "$pupils/uninstall.exe"

# The uninstaller goes on in a copy of itself and returns at once.
settled "$WINE" "$shared/uninstall.exe" /S
expect_removed "$shared"

# An older version whose files were not all this one's.
older=$(mktemp -d)
trap 'rm -rf "$older"' EXIT
cp -r "$stage" "$older/stage"
echo "a file of the older version alone" >"$older/stage/older.txt"
"$here/../../scripts/windows/nsis.sh" "$older/stage" 0.9 "$icon" "$older/setup.exe"
settled "$WINE" "$older/setup.exe" /S '/D=C:\Учител' || fail "the older version: exit status $?"
expect_installed "the older version" "$shared" "${ours[@]}" older.txt
another=$(teachers_folder Друга)
settled "$WINE" "$setup" /S '/D=C:\Друга' || fail "upgrade to another folder: exit status $?"
expect_files "$shared" Бележки.txt
expect_installed "upgrade to another folder" "$another" "${ours[@]}"
settled "$WINE" "$another/uninstall.exe" /S
expect_removed "$another"
rm -rf "$shared" "$another" "$pupils"
echo "$check: installed beside the user's file, upgraded in place with one uninstall entry," \
    "refused a folder with a file of ours' name, a copied uninstaller refused," \
    "uninstalled leaving the user's file alone, an older version upgraded from another" \
    "folder taken away with its own files"
