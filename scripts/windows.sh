#!/usr/bin/env bash
# The program for Windows, cross-built here from Debian's packages alone:
#
# 1. Debian's Qt 6.4.2 source, cross-built once for Windows (static: Core,
#    Gui, Widgets, Test, the windows and offscreen platform plugins) with the
#    installed Linux Qt as the host Qt, and kept in the cache folder;
# 2. GoogleTest from Debian's googletest source, cross-built likewise;
# 3. the program and its tests, with the project's own CMake;
# 4. the tests under Wine on a private X server: the logic's and the window's
#    tests (offscreen), and the real program, driven from the outside;
# 5. a portable zip and an installer made with NSIS, in build-windows/out,
#    and the installer tried under Wine: install, then uninstall.
#
#     scripts/windows.sh
#
# EULER_WINDOWS_CACHE chooses the cache folder (~/.cache/euler-primes-windows
# unless set). A first run builds Qt and takes about half an hour on 2 cores.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

scripts/install-deps.sh --windows

cache="${EULER_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/euler-primes-windows}"
toolchain="$project/cmake/mingw-w64.cmake"
qt="$cache/qt-6.4.2"          # the installed Windows Qt
gtest="$cache/googletest"     # the installed Windows GoogleTest
build="$project/build-windows"
mkdir -p "$cache"

step() { echo "== $*"; }

# Debian's source of a package, through an apt configuration of our own that
# reads deb-src lines and leaves the system's alone.
debian_source() {
    local apt="$cache/apt" package="$1"
    mkdir -p "$apt/sources.d" "$apt/lists/partial"
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        >"$apt/sources.d/debian-src.sources"
    local options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.d"
                   -o Dir::State::Lists="$apt/lists" -o APT::Sandbox::User=root)
    apt-get "${options[@]}" update >/dev/null
    (cd "$cache" && apt-get "${options[@]}" source "$package" >/dev/null)
}

if [[ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    step "Qt for Windows: Debian's source"
    [[ -d "$cache/qt6-base-6.4.2+dfsg" ]] || debian_source qt6-base
    step "Qt for Windows: configure and build (once)"
    cmake -S "$cache/qt6-base-6.4.2+dfsg" -B "$cache/qt-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DCMAKE_INSTALL_PREFIX="$qt" >"$cache/qt-configure.log"
    cmake --build "$cache/qt-build"
    cmake --install "$cache/qt-build" >/dev/null
fi

if [[ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]]; then
    step "GoogleTest for Windows"
    cmake -S /usr/src/googletest -B "$cache/googletest-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
    cmake --build "$cache/googletest-build"
    cmake --install "$cache/googletest-build" >/dev/null
fi

step "the program and its tests"
"$qt/bin/qt-cmake" -S "$project" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DEULER_BUILD_BENCHMARKS=OFF -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64
cmake --build "$build"

step "the tests under Wine"
export WINEPREFIX="$cache/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
    "$0"/fonts.sh
    ctest --test-dir "$1" --output-on-failure -L "logic|window"
    "$0"/smoke.sh "$1/euler-primes.exe"
' "$project/scripts/windows" "$build"

step "the zip and the installer"
"$project/scripts/windows/package.sh" "$build" "$cache/qt6-base-6.4.2+dfsg"
xvfb-run --auto-servernum bash -c '"$0"/install-check.sh "$1"/out/*-setup.exe' \
    "$project/scripts/windows" "$build"
