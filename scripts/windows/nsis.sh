#!/usr/bin/env bash
# Builds the NSIS installer of a staged folder with makensis, from
# installer.nsi and the list of the folder's files that it puts in place and
# its uninstaller takes away; both signed where the environment names a
# certificate (sign.sh). The environment gives the project's identity:
# EULER_PRODUCT, EULER_PUBLISHER, EULER_APP_ID, EULER_WINDOWS_FOLDER.
#
#     nsis.sh STAGE VERSION ICON OUT.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stage=$(realpath "$1") version="$2" icon=$(realpath "$3") setup=$(realpath -m "$4")
files=$(mktemp --suffix=.nsh)
trap 'rm -f "$files"' EXIT

{
    echo '!macro OurFiles ACTION'
    "$here/staged-files.sh" "$stage" | while read -r file; do
        echo "    !insertmacro \${ACTION} \"${file//\//\\}\" \"$file\""
    done
    echo '!macroend'
    echo '!macro OurFolders ACTION'
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) |
        while read -r folder; do
            echo "    !insertmacro \${ACTION} \"${folder//\//\\}\""
        done
    echo '!macroend'
} >"$files"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$files" -DICON="$icon" \
    -DSIGN="$here/sign.sh" -DNAME="${EULER_PRODUCT:?}" -DPUBLISHER="${EULER_PUBLISHER:?}" \
    -DAPP_ID="${EULER_APP_ID:?}" -DFOLDER="${EULER_WINDOWS_FOLDER:?}" -DOUTFILE="$setup" \
    "$here/installer.nsi"
