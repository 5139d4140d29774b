#!/usr/bin/env bash
# The portable zip and the NSIS installer of a Windows build, in BUILD/out.
#
#     package.sh BUILD QT_SOURCE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd) qt_source=$(cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="euler-primes-$version-windows-x64"
out="$build/out"
stage="$out/$name"

rm -rf "$out"
mkdir -p "$stage/licences"
cp "$build/euler-primes.exe" "$stage/"  # Qt puts programs at the top of a Windows build
x86_64-w64-mingw32-strip "$stage/euler-primes.exe"
cp "$here/README.txt" "$stage/README.txt"
cp "$here/../../data/copyright" "$stage/licences/euler-primes.txt"
cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$qt_source/LICENSES/GPL-3.0-only.txt" \
    "$stage/licences/"
# The libraries that Qt builds into the program from its own source.
third_party="$qt_source/src/3rdparty"
for licence in double-conversion/LICENSE freetype/LICENSE.txt freetype/docs/FTL.TXT \
               harfbuzz-ng/COPYING libpng/LICENSE md4c/LICENSE.md pcre2/LICENCE zlib/LICENSE; do
    [[ -f "$third_party/$licence" ]] &&
        cp "$third_party/$licence" "$stage/licences/${licence%%/*}-$(basename "$licence")"
done

(cd "$out" && zip -qr "$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$build/app/icon/euler.ico" \
    -DOUTFILE="$out/$name-setup.exe" "$here/installer.nsi"
ls -l "$out/$name.zip" "$out/$name-setup.exe"
