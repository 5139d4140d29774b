#!/usr/bin/env bash
# Installs the Debian packages that building the program needs, and with
# --tests those that its tests need too. Installs only what is missing.
set -euo pipefail

packages=(cmake g++ ninja-build qt6-base-dev libgl-dev fonts-liberation2 qt6-translations-l10n)
case "${1:-}" in
    --tests) packages+=(clang clang-format libclang-rt-dev gcovr googletest libgtest-dev
                        libbenchmark-dev libx11-dev qt6-base-private-dev qt6-wayland weston xvfb xauth desktop-file-utils appstream) ;;
    --screenshot) packages+=(xvfb xauth xdotool imagemagick) ;;
    --package) packages+=(dpkg-dev lintian) ;;
    --orca) packages+=(orca at-spi2-core dbus xvfb xauth xdotool) ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
[[ "$(id -u)" -ne 0 ]] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
