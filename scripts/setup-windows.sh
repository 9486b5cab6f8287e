#!/bin/sh
# Installs what building and testing Telvanor for Windows need (the cross-compiler, Wine,
# NSIS; the screen reading of the end-to-end test), then builds Qt for Windows where its
# recipe has not been built yet (scripts/build-qt-windows.sh). Prints the Qt prefix.
#   scripts/setup-windows.sh [--packages-only]
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    mingw-w64-x86-64-dev libwine-dev wine wine64 nsis zip unzip icoutils python3 patch \
    imagemagick x11-utils tesseract-ocr tesseract-ocr-spa >&2

[ "${1:-}" = --packages-only ] || scripts/build-qt-windows.sh
