#!/bin/sh
# Installs what building and testing Telvanor for web browsers need (Debian's emscripten and
# the acorn its optimiser runs with; fontTools, which cuts the built-in fonts down; Chromium
# and the screen reading of the end-to-end test; brotli for the benchmark), then
# builds Qt for WebAssembly where its recipe has not been built yet (scripts/build-qt-web.sh).
# Prints the Qt prefix.
#   scripts/setup-web.sh [--packages-only]
set -eu
cd "$(dirname "$0")/.."
# A Node.js from elsewhere brings its own npm, which Debian's npm package would conflict with.
npm=""
command -v npm >/dev/null || npm=npm
# shellcheck disable=SC2086
scripts/setup-debian.sh $npm \
    emscripten binaryen node-acorn nodejs python3 python3-fonttools zip unzip brotli \
    chromium imagemagick tesseract-ocr tesseract-ocr-spa >&2

[ "${1:-}" = --packages-only ] || scripts/build-qt-web.sh
