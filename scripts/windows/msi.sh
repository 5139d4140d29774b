#!/usr/bin/env bash
# Builds the Windows Installer package of a staged folder with wixl, from
# euler-primes.wxs and a list of the folder's files that wixl-heat writes.
# The environment gives the project's identity: EULER_PRODUCT,
# EULER_PUBLISHER, EULER_APP_ID, EULER_WINDOWS_FOLDER.
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
"$here/staged-files.sh" "$stage" |
    wixl-heat --prefix "" --directory-ref INSTALLDIR --component-group ProgramFiles \
        --var var.Stage --win64 >"$work/heat.wxs"
# wixl-heat names each folder at random: the names go by order instead.
python3 - "$work/heat.wxs" >"$work/files.wxs" <<'PYTHON'
import re, sys
names = {}
text = open(sys.argv[1], encoding="utf-8").read()
print(re.sub(r"\bdir[0-9A-F]{32}\b", lambda m: names.setdefault(m[0], f"folder{len(names)}"), text), end="")
PYTHON
# The product code names the version, the package code these very files:
# made from the upgrade code, never at random, so that the same files give
# the same package.
read -r product_code package_code < <(python3 - "$here/euler-primes.wxs" "$version" "$stage" <<'PYTHON'
import hashlib, pathlib, sys, uuid
import xml.etree.ElementTree as ET
wix = "{http://schemas.microsoft.com/wix/2006/wi}"
upgrade = uuid.UUID(ET.parse(sys.argv[1]).getroot().find(wix + "Product").get("UpgradeCode"))
version, stage = sys.argv[2], pathlib.Path(sys.argv[3])
files = hashlib.sha256()
for path in sorted(p for p in stage.rglob("*") if p.is_file()):
    files.update(str(path.relative_to(stage)).encode() + b"\0" + path.read_bytes())
print(uuid.uuid5(upgrade, "product " + version), uuid.uuid5(upgrade, f"package {version} {files.hexdigest()}"))
PYTHON
)
# wixl 0.101 cannot convert a Cyrillic value given on its command line
# ("Invalid byte sequence"): the product's name goes in as the ASCII folder
# name, and in its own letters below.
: "${EULER_PRODUCT:?}"
identity=(-D ProductCode="$product_code" -D PackageCode="$package_code"
          -D Product="${EULER_WINDOWS_FOLDER:?}" -D Publisher="${EULER_PUBLISHER:?}"
          -D AppId="${EULER_APP_ID:?}" -D Folder="${EULER_WINDOWS_FOLDER:?}")
(cd "$work" && wixl --arch x64 -D Version="$version" -D Stage=stage -D Icon=program.ico \
    -D Win64=yes "${identity[@]}" -o "$msi" "$here/euler-primes.wxs" files.wxs)

# wixl 0.101 writes the package's texts in the ANSI code page of the locale,
# which it never reads, so always in 1252: its Cyrillic letters arrive empty.
# They go in again under the Cyrillic code page, 1251.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$msi" -i "$work/_ForceCodepage.idt"
python3 - "$here/euler-primes.wxs" <<'PYTHON' | while IFS= read -r query; do msibuild "$msi" -q "$query"; done
import os
import re
import sys
import xml.etree.ElementTree as ET

# The texts as wixl wrote them, its variables given their values.
values = {"Product": os.environ["EULER_PRODUCT"]}
def text(value):
    return re.sub(r"\$\(var\.(\w+)\)", lambda name: values[name[1]], value)

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
    print(f"UPDATE `{table}` SET `{column}` = '{text(value)}' WHERE `{key}` = '{row}'")
PYTHON
# Its summary last: the package code as its revision number, the commit's time.
"$here/msi-summary.py" "$msi" "$package_code" "${SOURCE_DATE_EPOCH:?}"
