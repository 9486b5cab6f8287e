#!/bin/sh
# Builds Telvanor for 64-bit Windows, from Linux, and writes into dist/:
#   Telvanor-<version>-setup.exe         the installer (per user, no administrator rights)
#   Telvanor-<version>-windows-x64.zip   the program alone, to run from any folder
#   Telvanor-<version>-source.tar.gz     the source both are built from
# On a fresh machine it first installs what it needs and builds Qt for Windows (once).
set -eu
cd "$(dirname "$0")/.."
TELVANOR_QT_WINDOWS=${TELVANOR_QT_WINDOWS:-$(scripts/setup-windows.sh)}
export TELVANOR_QT_WINDOWS
# A build folder configured against another Qt (an earlier recipe's build) starts afresh.
fresh=""
grep -qsF "$TELVANOR_QT_WINDOWS/" build/windows/CMakeFiles/*/CMakeSystem.cmake || fresh=--fresh
cmake --preset windows $fresh
cmake --build --preset windows

version=$(sed -n 's/^project(Telvanor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
tree=build/windows/install/Telvanor
rm -rf build/windows/install
cmake --install build/windows --prefix "$tree" --strip
mkdir -p dist
rm -f dist/Telvanor-"$version"-*

# makensis reads the paths it is given from the script's folder.
here=$(pwd)
makensis -V2 -DVERSION="$version" -DTREE="$here/$tree" -DSIZE_KB="$(du -sk "$tree" | cut -f1)" \
    -DICON="$here/build/windows/packaging/windows/Telvanor.ico" \
    -DOUTFILE="$here/dist/Telvanor-$version-setup.exe" packaging/windows/Telvanor.nsi
(cd build/windows/install && zip -q -X -r "../../../dist/Telvanor-$version-windows-x64.zip" Telvanor)
git archive --prefix="Telvanor-$version/" -o "dist/Telvanor-$version-source.tar.gz" HEAD
ls -l dist
