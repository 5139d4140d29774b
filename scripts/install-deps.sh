#!/usr/bin/env bash
# Installs the Debian packages that building the program needs, and with
# --tests those that its tests need too. Installs only what is missing.
# --package installs what makes the Debian package and nothing else: dpkg-dev
# and the Build-Depends of debian/control (so that a build in a pristine
# Debian proves them complete); --package-checks what checks it afterwards.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

packages=(cmake g++ ninja-build dpkg-dev python3 qt6-base-dev libgl-dev fonts-liberation2
          qt6-translations-l10n)
# The web page: Emscripten (whose tools need acorn), the font it ships and
# what cuts it, and node with npm unless the machine has them already (from
# Debian or elsewhere); its tests run in the three engines Debian ships:
# chromium, firefox-esr and WebKitGTK (through its WebDriver, on its own X
# display).
web_packages=(emscripten node-acorn googletest fonts-croscore fonttools woff2 chromium
              firefox-esr webkit2gtk-driver xvfb xauth)
# What the screen reader's checks need: Orca, the accessibility bus and
# pyatspi, a session bus, keys pressed on a private X server.
screen_reader_packages=(orca at-spi2-core dbus python3-pyatspi xdotool xvfb xauth)
web_packages+=("${screen_reader_packages[@]}")
command -v node >/dev/null || web_packages+=(nodejs)
command -v npm >/dev/null || web_packages+=(npm)
case "${1:-}" in
    --tests) packages+=(clang clang-format libclang-rt-dev gcovr googletest libgtest-dev
                        libbenchmark-dev libx11-dev libxdamage-dev qt6-base-private-dev
                        qt6-wayland weston xvfb xauth desktop-file-utils appstream locales
                        "${web_packages[@]}") ;;
    --web) packages+=("${web_packages[@]}") ;;
    --screenshot) packages+=(xvfb xauth xdotool imagemagick) ;;
    --package) packages=(dpkg-dev) ;;
    --package-checks) packages=(lintian autopkgtest diffoscope-minimal) ;;
    --orca) packages+=("${screen_reader_packages[@]}") ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis wixl msitools python3-olefile
                          osslsigncode openssl softhsm2 libengine-pkcs11-openssl googletest
                          xvfb xauth xdotool x11-utils zip imagemagick) ;;
    "") ;;
    *) echo "install-deps.sh: unknown option ${1}; use one of --tests --web --screenshot" \
            "--package --package-checks --orca --windows, or none" >&2
       exit 2 ;;
esac

# The window tests run again under a Bulgarian locale, whose decimal
# separator is a comma. Made Debian's way, named in /etc/locale.gen, so that
# the next locale-gen keeps it.
generate_bulgarian_locale() {
    locale -a 2>/dev/null | grep -qx 'bg_BG.utf8' && grep -qx 'bg_BG.UTF-8 UTF-8' /etc/locale.gen &&
        return
    echo "Generating the locale bg_BG.UTF-8"
    if grep -q '^# *bg_BG.UTF-8 UTF-8$' /etc/locale.gen; then
        as_root sed -i 's/^# *bg_BG.UTF-8 UTF-8$/bg_BG.UTF-8 UTF-8/' /etc/locale.gen
    else
        echo 'bg_BG.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    fi
    as_root locale-gen
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi
[[ "${1:-}" == --tests ]] && generate_bulgarian_locale
project=$(cd "$(dirname "$0")/.." && pwd)
if [[ "${1:-}" == --package ]] && ! (cd "$project" && dpkg-checkbuilddeps 2>/dev/null); then
    echo "Installing the Build-Depends of debian/control"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get build-dep -y --no-install-recommends "$project"
fi
exit 0
