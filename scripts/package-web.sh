#!/bin/sh
# Builds Telvanor for web browsers (WebAssembly) and writes into dist/:
#   Telvanor-<version>-web.zip          the page, in a folder any static web host can serve
#   Telvanor-<version>-source.tar.gz    the source it is built from
# On a fresh machine it first installs what it needs and builds Qt for WebAssembly (once).
set -eu
cd "$(dirname "$0")/.."
TELVANOR_QT_WEB=${TELVANOR_QT_WEB:-$(scripts/setup-web.sh)}
export TELVANOR_QT_WEB
# A build folder configured against another Qt (an earlier recipe's build) starts afresh.
fresh=""
grep -qsF "$TELVANOR_QT_WEB/" build/web/CMakeFiles/*/CMakeSystem.cmake || fresh=--fresh
cmake --preset web $fresh
cmake --build --preset web

version=$(sed -n 's/^project(Telvanor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
tree=build/web/install/Telvanor
rm -rf build/web/install
cmake --install build/web --prefix "$tree"
mkdir -p dist
rm -f dist/Telvanor-"$version"-web.zip
(cd build/web/install && zip -q -X -r "../../../dist/Telvanor-$version-web.zip" Telvanor)
git archive --prefix="Telvanor-$version/" -o "dist/Telvanor-$version-source.tar.gz" HEAD
ls -l dist/Telvanor-"$version"-web.zip "$tree"
