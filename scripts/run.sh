#!/bin/sh
# Installs what is missing, builds Telvanor and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/app/telvanor
