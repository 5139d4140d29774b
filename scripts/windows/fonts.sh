#!/usr/bin/env bash
# Every Windows has Times New Roman; under Wine, Liberation Serif (Debian's
# fonts-liberation2, with the same metrics) stands for it.
set -euo pipefail
/usr/lib/wine/wine64 reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
