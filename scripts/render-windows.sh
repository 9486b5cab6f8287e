#!/bin/sh
# Builds render-windows and writes the picture of every window into docs/screenshots/.
#   scripts/render-windows.sh [BUILD_FOLDER]     (default: build/default)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/default}
scripts/setup-debian.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target render-windows
QT_QPA_PLATFORM=offscreen "$build/tools/render-windows" docs/screenshots
