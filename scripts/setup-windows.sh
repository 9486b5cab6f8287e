#!/bin/sh
# Installs what building and testing Telvanor for Windows need (the cross-compiler, Wine,
# NSIS; the screen reading of the end-to-end test) and, once per machine, builds Qt for
# Windows: a static Qt (Core, Gui, Widgets, Test) cross-compiled with MinGW-w64 from the
# source package of the very Qt version the Linux build uses. Prints the Qt prefix.
#
# The Qt build is cached outside the checkout, in $TELVANOR_CACHE (default
# ~/.cache/telvanor), and reused when present; it took about an hour on two busy cores.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    mingw-w64-x86-64-dev libwine-dev wine wine64 nsis zip unzip icoutils python3 \
    imagemagick x11-utils tesseract-ocr tesseract-ocr-spa >&2

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
CACHE=${TELVANOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/telvanor}
PREFIX="$CACHE/qt-$QT_VERSION-mingw-w64-static"
NOTICES="$PREFIX/share/telvanor/third-party-notices.txt"
WORK="$CACHE/qt-build"

# The source package, fetched with an apt configuration of our own so that the system's
# sources are left as they are.
fetch_source() {
    [ -d "$WORK/source" ] && return
    rm -rf "$WORK"
    mkdir -p "$WORK/apt/lists/partial"
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src http://deb.debian.org/debian $codename main" >"$WORK/apt/sources.list"
    echo "deb-src http://deb.debian.org/debian-security $codename-security main" \
        >>"$WORK/apt/sources.list"
    set -- -o Dir::Etc::SourceList="$WORK/apt/sources.list" \
        -o Dir::Etc::SourceParts=/nonexistent -o Dir::State::Lists="$WORK/apt/lists" \
        -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root
    apt-get "$@" update -qq >&2
    (cd "$WORK" && apt-get "$@" source -qq --download-only "qt6-base=$QT_VERSION" >&2 &&
        dpkg-source -x ./*.dsc source >&2)
}

# Two changes that Qt's Windows platform plugin needs to build here. It includes the Wintab
# tablet headers, which the repacked source leaves out; Wine's development package has them,
# written for Wine's own naming macros, which are given here their Unicode meaning, and
# without the calling-convention macro that Qt's code uses with them. And
# without OpenGL its software-GL check still names the dynamic-GL symbols.
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
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(opengl) \&\& QT_CONFIG(dynamicgl)/' \
        "$WORK/source/src/plugins/platforms/windows/qwindowswindow.cpp"
}

build_qt() {
    [ -f "$PREFIX/.complete" ] && return
    fetch_source
    prepare_source
    # Qt keeps the toolchain's path in its own; a copy in the cache outlives any checkout.
    rm -rf "$PREFIX"
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
        -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_direct2d=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF >&2
    cmake --build "$WORK/build" >&2
    cmake --install "$WORK/build" >&2
    touch "$PREFIX/.complete"
}

# The notices that a program linking this Qt must carry: Qt's licence, the attributions of
# the sources that Core, Gui and Widgets are built from (the modules left out excepted), and
# the copyright of the MinGW-w64 and GCC runtimes.
gather_notices() {
    [ -f "$NOTICES" ] && return
    fetch_source
    mkdir -p "$(dirname "$NOTICES")"
    python3 - "$WORK/source" "$QT_VERSION" >"$NOTICES.part" <<'PYTHON'
import json, pathlib, re, sys
source, version = pathlib.Path(sys.argv[1]), sys.argv[2]
left_out = re.compile(r"/(network|dbus|opengl|vulkan|testlib|android|wasm|xcb|cocoa|"
                      r"libjpeg|libpsl|gradle|forkfd|VulkanMemoryAllocator)(/|$)")
print(f"==== Qt {version.split('+')[0]} (Debian source package qt6-base {version}) ====\n")
print("Qt is licensed under the GNU Lesser General Public License version 3.\n")
print((source / "LICENSES/LGPL-3.0-only.txt").read_text())
for path in sorted(source.glob("src/**/qt_attribution.json")):
    if left_out.search(str(path.parent.relative_to(source))):
        continue
    entries = json.loads(path.read_text(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        print(f"\n==== {entry['Name']} {entry.get('Version', '')} ====\n")
        print(entry.get("Copyright", "").strip())
        print(f"\nLicense: {entry.get('License', '')}\n")
        files = entry.get("LicenseFile", "")
        for name in files if isinstance(files, list) else filter(None, files.split(";")):
            print((path.parent / name).read_text(errors="replace"))
PYTHON
    for package in mingw-w64-common gcc-mingw-w64-base; do
        printf '\n==== %s (Debian) ====\n\n' "$package"
        cat "/usr/share/doc/$package/copyright"
    done >>"$NOTICES.part"
    mv "$NOTICES.part" "$NOTICES"
}

build_qt
gather_notices
rm -rf "$WORK"
echo "$PREFIX"
