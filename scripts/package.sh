#!/bin/sh
# Packs the CI build (build/ci, configured and built with the ci preset where it is not yet)
# as a Debian package, build/ci/telvanor_<version>_<architecture>.deb, stripped of its debug
# information, and checks the package with lintian, failing on any error or warning.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
[ -f build/ci/CMakeCache.txt ] || cmake --preset ci >/dev/null
cmake --build --preset ci
rm -f build/ci/telvanor_*.deb
(cd build/ci && cpack)
lintian --fail-on error,warning build/ci/telvanor_*.deb
