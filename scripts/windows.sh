#!/usr/bin/env bash
# The program for Windows, cross-built here from Debian's packages alone:
#
# 1. Debian's source of the Qt that the Linux build uses, cross-built for
#    Windows as scripts/windows/qt.cmake configures it (static, for size), with
#    the installed Linux Qt as the host Qt;
# 2. GoogleTest from Debian's googletest source, cross-built likewise;
# 3. the program, its tests and its downloads (a portable zip, an installer
#    made with NSIS and a Windows Installer package made with wixl, in
#    build-windows/out), with the project's own CMake;
# 4. the tests of the Windows build, under Wine (tests/windows): the logic's
#    and the window's tests, the real program driven from the outside, both
#    installers installed, started and uninstalled, and the same signed with
#    a certificate made for the check.
#
#     scripts/windows.sh [CTEST_ARGUMENTS...]   (-L install: those tests alone)
#     scripts/windows.sh --no-tests             (the build and the downloads alone)
#
# The program, its uninstaller, the installer and the package in
# build-windows/out are signed where the environment names a certificate: see
# scripts/windows/sign.sh and docs/windows.md.
#
# Qt, GoogleTest and a fresh Wine prefix are kept in a folder of their own,
# euler-primes-windows, in the cache folder (EULER_WINDOWS_CACHE, else
# ~/.cache), each under a key of what made it: the version of its source, of
# the compiler or of Wine, and the options. Anything else makes them anew.
# One run at a time uses that folder; another waits.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
project=$PWD
here="$project/scripts/windows"
# Every time that the program and the downloads record is the last commit's
# (or the caller's): Qt's resource compiler stores each embedded file's own
# time otherwise, the time it was made in this build.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

scripts/install-deps.sh --windows
source tests/windows/wine.sh

cache="${EULER_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}}/euler-primes-windows"
toolchain="$project/cmake/mingw-w64.cmake"
build="$project/build-windows"
mkdir -p "$cache"
exec {lock}>"$cache/lock"
if ! flock --nonblock "$lock"; then
    echo "== another run uses $cache: waiting"
    flock "$lock"
fi

step() { echo "== $(date +%T) $*"; }
installed_version() { dpkg-query -W -f='${Version}' "$1"; }
# A short digest of the texts and files given.
key() { for item in "$@"; do [[ -f "$item" ]] && cat "$item" || echo "$item"; done | sha256sum | cut -c1-16; }

# The Windows Qt is built from the very source of the host Qt, whose tools
# (moc, rcc, uic) it uses.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
compiler="g++-mingw-w64-x86-64-posix $(installed_version g++-mingw-w64-x86-64-posix)"
qt="$cache/qt-$(key "$qt_version" "$compiler" "$toolchain" "$here/qt.cmake")"
gtest="$cache/googletest-$(key "$(installed_version googletest)" "$compiler" "$toolchain")"
qt_source="$cache/source/qt6-base-$qt_version"
wine_template="$cache/wine-$(key "$("$WINE" --version)")"

# Debian's source of a package at a version, through an apt configuration of
# our own that reads the system's sources (one-line or deb822) as deb-src
# lines and leaves the system's configuration alone.
debian_source() {
    local package="$1" version="$2" folder="$3" apt="$cache/apt"
    rm -rf "$apt" "$folder.partial"
    mkdir -p "$apt/sources.d" "$apt/lists/partial" "$folder.partial"
    { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' >"$apt/sources.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        [[ -f "$sources" ]] && sed 's/^Types:.*/Types: deb-src/' "$sources" && echo
    done >"$apt/sources.d/system.sources"
    local options=(-o Dir::Etc::SourceList="$apt/sources.list"
                   -o Dir::Etc::SourceParts="$apt/sources.d"
                   -o Dir::State::Lists="$apt/lists" -o APT::Sandbox::User=root)
    apt-get "${options[@]}" update >/dev/null
    (cd "$folder.partial" && apt-get "${options[@]}" source "$package=$version" >/dev/null)
    mv "$folder.partial" "$folder"
}

# Builds and installs a CMake project into PREFIX, unless PREFIX holds a
# complete earlier build; older builds of the same kind go.
#     cmake_once PREFIX SOURCE [CMAKE_ARGUMENTS...]
cmake_once() {
    local prefix="$1" source="$2"
    shift 2
    [[ -f "$prefix/.complete" ]] && return
    rm -rf "$prefix" "$prefix.build"
    # Installed into PREFIX, whatever prefix the build was configured with.
    cmake -S "$source" -B "$prefix.build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        "$@" >"$prefix.configure.log"
    cmake --build "$prefix.build"
    cmake --install "$prefix.build" --prefix "$prefix" >/dev/null
    rm -rf "$prefix.build"
    touch "$prefix/.complete"
    local kind="${prefix%-*}"
    find "$cache" -maxdepth 1 -name "$(basename "$kind")-*" ! -name "$(basename "$prefix")*" \
        -exec rm -rf {} +
}

if [[ ! -f "$qt/.complete" ]]; then
    step "Qt for Windows: Debian's source of qt6-base $qt_version"
    if [[ ! -d "$qt_source" ]]; then
        rm -rf "$cache/source"
        debian_source qt6-base "$qt_version" "$qt_source"
    fi
    step "Qt for Windows: configure and build (once for each source, compiler and options)"
    cmake_once "$qt" "$(echo "$qt_source"/qt6-base-*/)" -C "$here/qt.cmake" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
fi

step "GoogleTest for Windows"
cmake_once "$gtest" /usr/src/googletest -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
    -Dgtest_disable_pthreads=OFF

# A prefix that wineboot made and nothing ran in: each run's tests copy it.
if [[ ! -f "$wine_template/.complete" ]]; then
    step "a Wine prefix"
    rm -rf "$cache/wine" "$cache"/wine-*  # an older layout kept one prefix for every run
    WINEPREFIX="$wine_template" WINEDLLOVERRIDES="mscoree,mshtml=" \
        "$WINE" wineboot --init </dev/null >/dev/null 2>&1
    WINEPREFIX="$wine_template" "$WINESERVER" --wait
    touch "$wine_template/.complete"
fi

# Configured afresh each time, as the Qt it was last configured with may be
# gone (a new key); Ninja still rebuilds only what changed.
step "the program, its tests and its downloads"
"$qt/bin/qt-cmake" --fresh -S "$project" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DEULER_BUILD_BENCHMARKS=OFF -DEULER_QT_SOURCE="$(echo "$qt_source"/qt6-base-*/)" \
    -DEULER_QT_SOURCE_VERSION="$qt_version" -DEULER_WINE_TEMPLATE="$wine_template" >/dev/null
cmake --build "$build"

[[ ${1:-} == --no-tests ]] && exit 0
step "the tests under Wine"
# A run cut short (Ctrl-C) never reaches the fixture that ends the session,
# whose X server and Windows processes outlive ctest: they go here.
trap '"$project/tests/windows/session.sh" stop "$build/wine-session"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
ctest --test-dir "$build" --output-on-failure "$@"
