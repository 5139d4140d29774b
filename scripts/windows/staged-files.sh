#!/usr/bin/env bash
# The files of a staged folder, one path per line relative to it, in the
# order of their bytes (whatever the locale): what the zip, the installer
# and the package hold, and what the checks expect an installation to hold.
#
#     staged-files.sh STAGE
set -euo pipefail
cd "$1"
find . -type f | sed 's|^\./||' | LC_ALL=C sort
