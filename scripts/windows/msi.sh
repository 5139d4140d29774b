#!/usr/bin/env bash
# Builds the Windows Installer package of a staged folder with wixl, from
# euler-primes.wxs and a list of the folder's files that wixl-heat writes.
#
#     msi.sh STAGE VERSION ICON OUT.msi
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stage=$(realpath "$1") version="$2" icon=$(realpath "$3") msi=$(realpath -m "$4")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# wixl finds the files by paths relative to where it runs.
ln -s "$stage" "$work/stage"
cp "$icon" "$work/program.ico"
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) |
    wixl-heat --prefix "" --directory-ref INSTALLDIR --component-group ProgramFiles \
        --var var.Stage --win64 >"$work/files.wxs"
(cd "$work" && wixl --arch x64 -D Version="$version" -D Stage=stage -D Icon=program.ico \
    -D Win64=yes -o "$msi" "$here/euler-primes.wxs" files.wxs)

# wixl 0.101 writes the package's texts in the ANSI code page of the locale,
# which it never reads, so always in 1252: its Cyrillic letters arrive empty.
# They go in again under the Cyrillic code page, 1251.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$msi" -i "$work/_ForceCodepage.idt"
python3 - "$here/euler-primes.wxs" <<'PYTHON' | while IFS= read -r query; do msibuild "$msi" -q "$query"; done
import sys
import xml.etree.ElementTree as ET

wix = "{http://schemas.microsoft.com/wix/2006/wi}"
product = ET.parse(sys.argv[1]).getroot().find(wix + "Product")
shortcut = product.find(f".//{wix}Shortcut")
upgrade = product.find(wix + "MajorUpgrade")
conditions = [(c.text, c.get("Message")) for c in product.findall(wix + "Condition")]
conditions.append(("NOT WIX_DOWNGRADE_DETECTED", upgrade.get("DowngradeErrorMessage")))
for table, column, value, key, row in [
    ("Property", "Value", product.get("Name"), "Property", "ProductName"),
    ("Shortcut", "Name", shortcut.get("Name"), "Shortcut", shortcut.get("Id")),
] + [("LaunchCondition", "Description", message, "Condition", condition)
     for condition, message in conditions]:
    print(f"UPDATE `{table}` SET `{column}` = '{value}' WHERE `{key}` = '{row}'")
PYTHON
