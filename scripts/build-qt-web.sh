#!/bin/sh
# Builds Qt for WebAssembly, once per recipe: a static Qt (Core, Gui, Widgets and the
# browser's platform plugin, without threads) compiled with Debian's emscripten from
# Debian's source package of the very Qt version the Linux build uses, with the notices a
# program linking it must carry. Prints its prefix; the emscripten folder that Qt's CMake
# expects lies beside it, in "emsdk".
#
# The build is cached outside the checkout, in $TELVANOR_CACHE (default ~/.cache/telvanor),
# in a folder named after Qt's version and a digest of everything that builds it: this
# script, the source fetcher and the notices. A changed recipe builds anew; the builds of
# earlier recipes are removed. It takes about 20 minutes on two cores.
set -eu
cd "$(dirname "$0")/.."

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
EMSCRIPTEN_VERSION=$(dpkg-query -W -f='${Version}' emscripten)
DIGEST=$(cat scripts/build-qt-web.sh scripts/fetch-qt-source.sh scripts/qt-notices.py |
    sha256sum | cut -c1-12)
CACHE=$(realpath -m "${TELVANOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/telvanor}")
STEM="$CACHE/qt-$QT_VERSION-wasm-emscripten-$EMSCRIPTEN_VERSION"
PREFIX="$STEM-$DIGEST"
WORK="$CACHE/qt-web-build"
EMSDK="$CACHE/emsdk"
export EMSDK

# Debian's emscripten is not laid out as the emscripten SDK is, which Qt's CMake reads: a
# folder whose ".emscripten" names the compiler's folder inside it. That folder is made of
# links to Debian's emscripten, with its compiler commands beside them.
make_emsdk() {
    rm -rf "$EMSDK"
    mkdir -p "$EMSDK/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
    ln -s /usr/share/emscripten/* "$EMSDK/upstream/emscripten/"
    for tool in emcc em++ emar emranlib; do
        ln -s "/usr/bin/$tool" "$EMSDK/upstream/emscripten/$tool"
    done
}

build_qt() {
    [ -f "$PREFIX/.complete" ] && return
    rm -rf "$WORK" "$STEM"-* "$CACHE"/qt-*-wasm-emscripten-*
    scripts/fetch-qt-source.sh "$WORK/source"
    cmake -S "$WORK/source" -B "$WORK/build" -G Ninja \
        -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
        -DCMAKE_TOOLCHAIN_FILE="$EMSDK/upstream/emscripten/cmake/Modules/Platform/Emscripten.cmake" \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DCMAKE_BUILD_TYPE=Release \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF \
        -DFEATURE_thread=OFF \
        -DFEATURE_optimize_size=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_testlib=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF >&2
    cmake --build "$WORK/build" >&2
    cmake --install "$WORK/build" >&2
    mkdir -p "$PREFIX/share/telvanor"
    # The attributions of the modules and platforms left out are left out too; emscripten's
    # C and C++ runtimes are linked in.
    left_out='/(network|dbus|vulkan|testlib|android|windows|xcb|cocoa|libjpeg|libpsl|'
    left_out="$left_out"'gradle|forkfd|VulkanMemoryAllocator)/'
    scripts/qt-notices.py "$WORK/source" "$QT_VERSION" "$left_out" emscripten \
        >"$PREFIX/share/telvanor/third-party-notices.txt"
    touch "$PREFIX/.complete"
}

# emscripten's JavaScript optimiser needs Debian's acorn, which a node from elsewhere
# finds only on Debian's module path.
export NODE_PATH=/usr/share/nodejs
make_emsdk
build_qt
rm -rf "$WORK"
echo "$PREFIX"
