#!/bin/sh
# Builds the web page (scripts/package-web.sh) and takes the whole test in it, in headless
# Chromium, served from 127.0.0.1 (tests/tst_web.py): at 1366 x 768 and at 1024 x 768 with
# two device pixels to a CSS pixel; and checks what the page says in a browser without WebGL
# and in one without WebAssembly.
set -eu
cd "$(dirname "$0")/.."
scripts/package-web.sh
(cd tests/web && npm ci --no-audit --no-fund)

version=$(sed -n 's/^project(Telvanor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
site=build/web/site
rm -rf "$site"
mkdir -p "$site"
unzip -q "dist/Telvanor-$version-web.zip" -d "$site"

web_test() {
    echo "== tst_web.py $*"
    timeout 900 tests/tst_web.py "$site/Telvanor" "$@" || {
        echo "error: tst_web.py $* failed or ran out of its 15 minutes" >&2
        exit 1
    }
}
web_test chromium 1366 768 1
web_test chromium 1024 768 2
web_test chromium 1366 768 1 --without webgl
web_test chromium 1366 768 1 --without wasm
