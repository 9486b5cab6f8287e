#!/bin/sh
# Serves the web page of dist/ on this machine alone, for a try in a browser:
#   scripts/serve-web.sh [PORT]      (default 8080; then open http://127.0.0.1:PORT/)
# Builds the page first where dist/ has none (scripts/package-web.sh).
set -eu
cd "$(dirname "$0")/.."
port=${1:-8080}
version=$(sed -n 's/^project(Telvanor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -f "dist/Telvanor-$version-web.zip" ] || scripts/package-web.sh
site=build/web/serve
rm -rf "$site"
mkdir -p "$site"
unzip -q "dist/Telvanor-$version-web.zip" -d "$site"
echo "Telvanor on http://127.0.0.1:$port/ (Ctrl+C ends)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site/Telvanor"
