#!/usr/bin/env bash
# The Windows Installer package under Wine's msiexec, run silently as a
# deployment service runs it:
#
# 1. installed for the machine into a folder that holds a file of the user's,
#    it puts the program's files there, a Start-menu entry and one uninstall
#    entry;
# 2. the program starts from there and shows its window (smoke.sh);
# 3. a package of a newer version, given no folder, replaces it in its folder:
#    still one uninstall entry;
# 4. removed, everything it installed goes and nothing else: the user's file
#    stays, and with it the folder.
#
#     msi-check.sh PACKAGE.msi STAGE ICON  (STAGE: the folder it installs;
#                                           ICON: the program's icon)
set -euo pipefail
check="Windows Installer package"
here=$(dirname "$0")
source "$here/installation.sh"
windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }
package=$(windows_path "$1")
stage=$(realpath "$2")
newer=$(mktemp -d)/newer.msi
trap 'rm -rf "$(dirname "$newer")"' EXIT
version=$(msiinfo export "$1" Property | sed -n 's/^ProductVersion\t//p' | tr -d '\r')
"$here/../../scripts/windows/msi.sh" "$stage" "$version.1" "$3" "$newer"
export LC_ALL=C.UTF-8  # the Cyrillic folder names reach Wine intact

mapfile -t ours < <(staged_files "$stage")
shared=$(teachers_folder)

settled "$WINE" msiexec /i "$package" /qn 'INSTALLDIR=C:\Учител' || fail "install: exit status $?"
expect_installed install "$shared" "${ours[@]}"
registry_has "$package_key" || fail "no key $package_key"

"$here/smoke.sh" "$shared/euler-primes.exe"

settled "$WINE" msiexec /i "$(windows_path "$newer")" /qn || fail "upgrade: exit status $?"
expect_installed upgrade "$shared" "${ours[@]}"

settled "$WINE" msiexec /x "$(windows_path "$newer")" /qn || fail "removal: exit status $?"
expect_removed "$shared"
! registry_has "$package_key" || fail "the key $package_key is left"
rm -rf "$shared"
echo "$check: installed beside the user's file with one uninstall entry, started," \
    "replaced by a newer version, removed leaving the user's file alone"
