#!/usr/bin/env bash
# Configures the program's own build (the program preset) with Debian's
# hardening build flags, as dpkg-buildflags gives them: fortified functions,
# stack protector, format checks, full RELRO with bind-now, PIE.
set -euo pipefail
cd "$(dirname "$0")/.."

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1"; }
cmake --preset program \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
