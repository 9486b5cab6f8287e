#!/bin/sh
# Installs what is missing, builds Telvanor with warnings as errors and runs the whole
# test suite headless. Exits non-zero when anything fails.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
