#!/bin/sh
# Builds Telvanor for release, packs it as a Debian package,
# BUILD_FOLDER/telvanor_<version>_<architecture>.deb, and checks the package with lintian,
# failing on any error or warning:
#   scripts/package.sh [BUILD_FOLDER]     (default: build/package)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/package}
scripts/setup-debian.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELVANOR_BUILD_TESTS=OFF
cmake --build "$build"
rm -f "$build"/telvanor_*.deb
(cd "$build" && cpack)
lintian --fail-on error,warning "$build"/telvanor_*.deb
