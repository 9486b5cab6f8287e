#!/bin/sh
# Builds Qt for Windows, once per recipe: a static Qt (Core, Gui, Widgets, Test)
# cross-compiled with MinGW-w64 from Debian's source package of the very Qt version the
# Linux build uses, with the notices a program linking it must carry. Prints its prefix.
#
# The build is cached outside the checkout, in $TELVANOR_CACHE (default ~/.cache/telvanor),
# in a folder named after Qt's version and a digest of everything that builds it: this
# script, the source fetcher, the notices' gatherer, the toolchain file and the patches. A
# changed recipe builds anew; the builds of earlier recipes are removed. It takes about half
# an hour on two cores.
set -eu
cd "$(dirname "$0")/.."

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
RECIPE="scripts/build-qt-windows.sh scripts/fetch-qt-source.sh scripts/qt-notices.py
    cmake/mingw-w64-x86_64.cmake $(ls cmake/qt-patches/windows-*.patch)"
# shellcheck disable=SC2086
DIGEST=$(cat $RECIPE | sha256sum | cut -c1-12)
CACHE=$(realpath -m "${TELVANOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/telvanor}")
STEM="$CACHE/qt-$QT_VERSION-mingw-w64-static"
PREFIX="$STEM-$DIGEST"
NOTICES="$PREFIX/share/telvanor/third-party-notices.txt"
WORK="$CACHE/qt-build"

# Qt's Windows platform plugin includes the Wintab tablet headers, which the repacked source
# leaves out. Wine's development package has them, written for Wine's own naming macros,
# which are given here their Unicode meaning, and without the calling-convention macro that
# Qt's code uses with them. The patches must apply exactly, or the build stops.
prepare_source() {
    wine_headers=/usr/include/wine/wine/windows
    mkdir -p "$WORK/wintab"
    cp "$wine_headers/pktdef.h" "$WORK/wintab/"
    cp "$wine_headers/wintab.h" "$WORK/wintab/wine-wintab.h"
    cat >"$WORK/wintab/wintab.h" <<'HEADER'
#pragma once
#include <windows.h>
#define WINELIB_NAME_AW(name) name##W
#define DECL_WINELIB_TYPE_AW(type) typedef type##W type;
#define API WINAPI
#include "wine-wintab.h"
HEADER
    for patch in cmake/qt-patches/windows-*.patch; do
        echo "Applying $patch" >&2
        patch --directory="$WORK/source" --strip=1 --forward --fuzz=0 --batch <"$patch" >&2 || {
            echo "error: $patch no longer applies to Qt $QT_VERSION's source" >&2
            exit 1
        }
    done
}

# Direct2D and DirectWrite are left out together: the DirectWrite font database is built only
# with all three, and the platform plugin would otherwise still ask for it. Qt then draws
# text with GDI, Windows' own font engine, which also takes the program's own fonts.
build_qt() {
    [ -f "$PREFIX/.complete" ] && return
    rm -rf "$WORK" "$STEM"-*
    scripts/fetch-qt-source.sh "$WORK/source"
    prepare_source
    # Qt keeps the toolchain's path in its own; a copy in the cache outlives any checkout.
    mkdir -p "$PREFIX"
    cp cmake/mingw-w64-x86_64.cmake "$PREFIX/mingw-w64-x86_64.cmake"
    cmake -S "$WORK/source" -B "$WORK/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$PREFIX/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS="-I$WORK/wintab" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF \
        -DFEATURE_static_runtime=ON \
        -DFEATURE_optimize_size=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF >&2
    cmake --build "$WORK/build" >&2
    cmake --install "$WORK/build" >&2
    mkdir -p "$(dirname "$NOTICES")"
    # The attributions of the modules and platforms left out are left out too; the MinGW-w64
    # and GCC runtimes are linked in.
    left_out='/(network|dbus|opengl|vulkan|testlib|android|wasm|xcb|cocoa|libjpeg|libpsl|'
    left_out="$left_out"'gradle|forkfd|VulkanMemoryAllocator)/'
    scripts/qt-notices.py "$WORK/source" "$QT_VERSION" "$left_out" \
        mingw-w64-common gcc-mingw-w64-base >"$NOTICES"
    touch "$PREFIX/.complete"
}

build_qt
rm -rf "$WORK"
echo "$PREFIX"
