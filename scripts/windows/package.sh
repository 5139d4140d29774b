#!/usr/bin/env bash
# The portable zip, the NSIS installer and the Windows Installer package of a
# Windows build, in OUT, under NAME (NAME.zip, NAME-setup.exe, NAME.msi, and
# the folder NAME that they hold); the program, its uninstaller, the
# installer and the package signed where the environment names a
# certificate (sign.sh). The build runs it (cmake/windows.cmake), with the
# project's identity in the environment (EULER_PRODUCT, EULER_PUBLISHER,
# EULER_APP_ID, EULER_WINDOWS_FOLDER).
#
#     package.sh BUILD QT_SOURCE QT_SOURCE_VERSION OUT NAME
#
# QT_SOURCE is the Qt source that the program was built with, whose licences
# go with it; QT_SOURCE_VERSION its Debian version, which README.txt names.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd) qt_source=$(cd "$2" && pwd) qt_source_version="$3"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
out=$(realpath -m "$4") name=$5
# Every time that the downloads record is the last commit's (or the caller's).
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
stage="$out/$name"
icon="$build/app/icon/euler.ico"

# Every version's outputs go, so that only this one's are left to find.
product=${name%"-$version-windows-x64"}
rm -rf "$out/$product"-*-windows-x64{,.zip,.msi,-setup.exe}
mkdir -p "$stage/licences"
cp "$build/euler-primes.exe" "$stage/"  # Qt puts programs at the top of a Windows build
x86_64-w64-mingw32-strip "$stage/euler-primes.exe"
"$here/sign.sh" "$stage/euler-primes.exe"
# Notepad of every Windows reads lines that end in CR LF, and knows UTF-8 by
# its byte order mark.
{
    printf '\xef\xbb\xbf'
    sed -e "s/@PRODUCT@/${EULER_PRODUCT:?}/" -e "s/@VERSION@/$version/" \
        -e "s/@QT_VERSION@/${qt_source_version%%+*}/" -e "s/@QT_SOURCE_VERSION@/$qt_source_version/" \
        -e 's/$/\r/' "$here/README.txt"
} >"$stage/README.txt"
cp "$here/../../LICENSE" "$stage/licences/euler-primes.txt"
cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$qt_source/LICENSES/GPL-3.0-only.txt" \
    "$stage/licences/"
# The code of others that Qt builds into the program from its own source.
grep -v '^#' "$here/third-party-licences.txt" | while read -r component licence; do
    [[ "$licence" == /* ]] || licence="$qt_source/$licence"
    cp "$licence" "$stage/licences/$component.txt"
done

# The same bytes whoever builds them, whenever: each file's time the
# commit's, its mode the umask's of none, the zip's entries in order and
# without the owner's ids.
find "$stage" -type d -exec chmod 0755 {} + -o -type f -exec chmod 0644 {} +
chmod 0755 "$stage/euler-primes.exe"
find "$stage" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
(cd "$out" && find "$name" | LC_ALL=C sort | TZ=UTC zip -qX -@ "$name.zip")

"$here/nsis.sh" "$stage" "$version" "$icon" "$out/$name-setup.exe"
"$here/msi.sh" "$stage" "$version" "$icon" "$out/$name.msi"
"$here/sign.sh" "$out/$name.msi"
ls -l "$stage/euler-primes.exe" "$out/$name".{zip,msi} "$out/$name-setup.exe"
