#!/bin/sh
# Static analysis of our own code: clang-tidy (checks in .clang-tidy) and cppcheck.
# Needs the compile commands of a configured build; exits non-zero on any finding.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
[ -f build/ci/compile_commands.json ] || cmake --preset ci >/dev/null
cmake --build --preset ci --target telvanor render-windows >/dev/null

sources=$(git ls-files 'app/*.cpp' 'windows/*.cpp' 'test/*.cpp' 'tools/*.cpp' 'bench/*.cpp')
echo "clang-tidy: $(echo "$sources" | wc -w) files"
log=$(mktemp)
# shellcheck disable=SC2086
if ! clang-tidy -p build/ci --quiet $sources 2>"$log"; then
    grep -v "warnings generated" "$log" >&2
    exit 1
fi
rm -f "$log"

echo "cppcheck"
cppcheck --enable=warning,performance,portability --library=qt --std=c++17 \
    --error-exitcode=1 --quiet --inline-suppr --suppress=missingIncludeSystem \
    -I app -I app/toolkit -I windows -I test app windows test tools
echo "static analysis: no findings"
