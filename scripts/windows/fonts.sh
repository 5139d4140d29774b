#!/usr/bin/env bash
# Every Windows has Times New Roman; under Wine, Liberation Serif (Debian's
# fonts-liberation2, with the same metrics) stands for it.
set -euo pipefail
# The window asks for the Cyrillic character set (204), which has a key of its own.
for key in 'Times New Roman' 'Times New Roman,204'; do
    /usr/lib/wine/wine64 reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "$key" /t REG_SZ /d "Liberation Serif${key#Times New Roman}" /f >/dev/null 2>&1
done
# Qt's offscreen platform reads font files from the Windows font folder.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation2/LiberationSerif-*.ttf "$fonts/"
