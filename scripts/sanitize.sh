#!/bin/sh
# Builds Telvanor with AddressSanitizer and UndefinedBehaviorSanitizer (leak checks
# included) and runs the whole test suite under them. Exits non-zero on any report.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
