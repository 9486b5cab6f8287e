#!/bin/sh
# Static analysis of our own code (the program, its tests, tools and benchmark): clang-tidy
# (checks in .clang-tidy) and cppcheck, both on the same list of sources. Builds what they
# read first (the layouts' ui_ headers and moc output). Exits non-zero on any finding.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
[ -f build/ci/compile_commands.json ] || cmake --preset ci
cmake --build --preset ci --target all render-windows telvanor-bench

sources=$(git ls-files '*.cpp')
# The web build's own code includes emscripten's headers, which clang-tidy reads only in an
# emscripten build; cppcheck reads it here too.
# shellcheck disable=SC2086
tidied=$(grep -L '#include <emscripten/' $sources)
echo "clang-tidy: $(echo "$tidied" | wc -w) files"
log=$(mktemp)
# One clang-tidy per core, a few files each.
if ! echo "$tidied" | xargs -P "$(nproc)" -n 4 clang-tidy -p build/ci --quiet 2>"$log"; then
    grep -v "warnings generated" "$log" >&2
    exit 1
fi
rm -f "$log"

echo "cppcheck"
# shellcheck disable=SC2086
cppcheck --enable=warning,performance,portability --library=qt --std=c++17 \
    --error-exitcode=1 --quiet --inline-suppr --suppress=missingIncludeSystem \
    -I app -I app/toolkit -I windows -I test -I tests -I bench $sources
echo "static analysis: no findings"
