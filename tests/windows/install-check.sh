#!/usr/bin/env bash
# The NSIS installer under Wine, run silently as an IT admin runs it:
#
# 1. into a folder that holds a file of the user's, it puts the program's
#    files and an uninstaller there, a Start-menu entry and one uninstall
#    entry;
# 2. again over it (an upgrade), and there is still one uninstall entry;
# 3. into a folder that holds a file of the user's under the name of one of
#    ours, it refuses, and the file stays as it was;
# 4. the uninstaller takes away everything of ours and nothing else: the
#    user's file stays, and with it the folder.
#
#     install-check.sh SETUP.exe STAGE [COPY]
#
# STAGE is the folder it installs; COPY, where given, receives a copy of the
# uninstaller that the installer wrote.
set -euo pipefail
check=installer
source "$(dirname "$0")/installation.sh"
setup=$(realpath "$1")
stage=$(realpath "$2")
copy="${3:-}"
export LC_ALL=C.UTF-8  # the Cyrillic folder names reach Wine intact

mapfile -t ours < <(cd "$stage" && find . -type f | sed 's|^\./||')
ours+=(uninstall.exe)
shared=$(teachers_folder)
pupils=$(folder Ученик)
rm -rf "$pupils"
mkdir -p "$pupils"
echo "the pupil's own README" >"$pupils/README.txt"
expect_pupils_file() {
    expect_files "$pupils" README.txt
    [[ "$(cat "$pupils/README.txt")" == "the pupil's own README" ]] ||
        fail "the user's README.txt was overwritten"
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

# The uninstaller goes on in a copy of itself and returns at once.
settled "$WINE" "$shared/uninstall.exe" /S
expect_removed "$shared"

rm -rf "$shared" "$pupils"
echo "$check: installed beside the user's file, upgraded in place with one uninstall entry," \
    "refused a folder with a file of ours' name, uninstalled leaving the user's file alone"
