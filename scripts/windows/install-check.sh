#!/usr/bin/env bash
# The installer under Wine: a silent install puts the program, its README and
# licences, an uninstaller and a Start-menu entry in place; the uninstaller
# takes them away again.
#
#     install-check.sh SETUP.exe
set -euo pipefail
setup=$(realpath "$1")
wine=/usr/lib/wine/wine64
folder="$WINEPREFIX/drive_c/Program Files/Euler Primes"
entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ойлер - просто число.lnk"
fail() { echo "installer: $*" >&2; exit 1; }

"$wine" "$setup" /S
for file in euler-primes.exe README.txt licences/LGPL-3.0-only.txt uninstall.exe; do
    [[ -f "$folder/$file" ]] || fail "$file was not installed"
done
[[ -f "$entry" ]] || fail "no Start-menu entry"
"$wine" "$folder/uninstall.exe" /S
for _ in $(seq 50); do
    [[ ! -e "$folder" && ! -e "$entry" ]] && break
    sleep 0.2
done
[[ ! -e "$folder" && ! -e "$entry" ]] || fail "the uninstaller left files behind"
echo "installer: installed with a Start-menu entry, uninstalled without a trace"
