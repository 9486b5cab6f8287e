#!/bin/sh
# Builds Telvanor for release and packs it as a Debian package,
# BUILD_FOLDER/telvanor_<version>_<architecture>.deb:
#   scripts/package.sh [BUILD_FOLDER]     (default: build/package)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/package}
scripts/setup-debian.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTELVANOR_BUILD_TESTS=OFF
cmake --build "$build"
cd "$build"
cpack
