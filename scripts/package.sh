#!/usr/bin/env bash
# Builds the Debian package into build-program/package and checks it with
# lintian. With --install it also installs the package and starts the
# installed program on a private X server, watching for its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --package
scripts/configure-program.sh
cmake --build --preset program
rm -rf build-program/package
cpack --config build-program/CPackConfig.cmake -B build-program/package
deb=$(ls build-program/package/*.deb)

echo "== $deb: $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Depends Installed-Size
echo "== lintian"
lintian --fail-on error "$deb"

if [[ "${1:-}" == "--install" ]]; then
    scripts/install-deps.sh --tests
    cmake --preset default
    cmake --build --preset default --target program_under_x_test
    as_root=()
    [[ "$(id -u)" -ne 0 ]] && as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"
    EULER_PROGRAM=/usr/bin/euler-primes xvfb-run --auto-servernum \
        build/tests/window/program_under_x_test
fi
