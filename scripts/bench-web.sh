#!/bin/sh
# Builds the web page and the floor it is measured against (an empty Qt dialog of the main
# window's size, built the same way and served in the same page), then prints the download's
# sizes, the first paint in headless Chromium and a page turn, each beside the floor's
# (bench/web_bench.py); then the floor beside the same dialog linked without Asyncify.
# Linking each with Asyncify takes a few minutes.
#   scripts/bench-web.sh [RUNS]      (loads of each page for the first paint; default 7)
set -eu
cd "$(dirname "$0")/.."
scripts/package-web.sh
(cd tests/web && npm ci --no-audit --no-fund)
cmake --build --preset web --target web-floor web-floor-without-asyncify

version=$(sed -n 's/^project(Telvanor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
sites=build/web/bench-sites
rm -rf "$sites"
mkdir -p "$sites"
unzip -q "dist/Telvanor-$version-web.zip" -d "$sites"
mv "$sites/Telvanor" "$sites/program"

# A floor's page: the program's, with the floor's code in the place of the program's.
floor_site() {
    cp -r "$sites/program" "$sites/$1"
    cp "build/web/bench/$1.js" "$sites/$1/telvanor.js"
    cp "build/web/bench/$1.wasm" "$sites/$1/telvanor.wasm"
    size=$(stat -c %s "$sites/$1/telvanor.wasm")
    sed -i "s/data-wasm-size=\"[0-9]*\"/data-wasm-size=\"$size\"/" "$sites/$1/index.html"
}
floor_site web-floor
floor_site web-floor-without-asyncify
bench/web_bench.py "$sites/program" "$sites/web-floor" "$sites/web-floor-without-asyncify" "$@"
