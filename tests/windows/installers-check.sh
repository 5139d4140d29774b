#!/usr/bin/env bash
# The NSIS installer and the Windows Installer package under Wine, each
# where the other has installed the program: each refuses, with its status
# alone (silent), and leaves the other's installation as it was, which then
# uninstalls cleanly.
#
#     installers-check.sh SETUP.exe PACKAGE.msi STAGE
set -euo pipefail
check="the two installers"
source "$(dirname "$0")/installation.sh"
setup=$(realpath "$1")
package="Z:$(realpath "$2" | tr / '\\')"
stage=$(realpath "$3")
export LC_ALL=C.UTF-8  # the Cyrillic folder names reach Wine intact

mapfile -t ours < <(staged_files "$stage")
shared=$(teachers_folder)

settled "$WINE" "$setup" /S '/D=C:\Учител' || fail "the installer: exit status $?"
status=0
settled "$WINE" msiexec /i "$package" /qn || status=$?
# 1603, the installation failed (here at its launch condition), of which a
# Linux exit status keeps the low byte.
[[ $status == $((1603 % 256)) ]] || fail "the package over the installer's installation: exit status $status"
! registry_has "$package_key" || fail "the package wrote $package_key"
expect_installed "the package refused" "$shared" "${ours[@]}" uninstall.exe
settled "$WINE" "$shared/uninstall.exe" /S
expect_removed "$shared"

settled "$WINE" msiexec /i "$package" /qn 'INSTALLDIR=C:\Учител' || fail "the package: exit status $?"
status=0
settled "$WINE" "$setup" /S || status=$?
[[ $status == 2 ]] || fail "the installer over the package's installation: exit status $status"
expect_installed "the installer refused" "$shared" "${ours[@]}"
settled "$WINE" msiexec /x "$package" /qn || fail "removal: exit status $?"
expect_removed "$shared"
rm -rf "$shared"
echo "$check: the package refused where the installer had installed, the installer" \
    "where the package had; each installation left whole and then removed"
