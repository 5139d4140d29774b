#!/usr/bin/env bash
# Every Windows has Times New Roman; under Wine, Liberation Serif (Debian's
# fonts-liberation2, with the same metrics) stands for it.
set -euo pipefail
/usr/lib/wine/wine64 reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
# Qt's offscreen platform reads font files from the Windows font folder.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation2/LiberationSerif-*.ttf "$fonts/"
