#!/usr/bin/env bash
# Gives the Wine prefix (WINEPREFIX) the font that every Windows gives the
# program: Times New Roman, here as Liberation Serif (Debian's
# fonts-liberation2), which has the same metrics and Cyrillic letters.
set -euo pipefail
source "$(dirname "$0")/wine.sh"
# Qt lists the fonts that Wine enumerates, which leave out Windows' own
# FontSubstitutes; Wine's replacements are listed under the replaced name.
"$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
    /t REG_SZ /d 'Liberation Serif' /f >/dev/null
# The window tests' offscreen platform reads font files from the Windows font
# folder.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation2/LiberationSerif-*.ttf "$fonts/"
