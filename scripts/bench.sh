#!/bin/sh
# Builds the benchmarks and prints, for this machine, Telvanor's start-up time and memory
# and the time of its page turns and of a whole test run, each beside a baseline measured
# in the same run. Runs headless: the start-up probes on the X display given by DISPLAY,
# else on a virtual X server (Xvfb) of their own; the pages on the offscreen platform.
# Takes about a minute.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target telvanor-bench
QT_QPA_PLATFORM=offscreen exec build/default/bench/telvanor-bench
