# shellcheck shell=bash
# Wine for the scripts that run the Windows programs, found in one place.
# Source it; it sets WINE (Debian's wine wrapper, which picks the 64-bit
# loader, in Debian 12 as in 13) and WINESERVER, and keeps Wine quiet.
WINE=$(command -v wine) || { echo "Wine is missing: install the Debian package wine" >&2; exit 1; }
WINESERVER=$(command -v wineserver)
export WINE WINESERVER WINEDEBUG="${WINEDEBUG:--all}"
