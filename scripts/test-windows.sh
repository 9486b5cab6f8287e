#!/bin/sh
# Builds Telvanor and its tests for Windows and runs them under Wine, on a virtual X display
# of 1366 x 768 with openbox: the QtTest suite on Qt's Windows platform, then the installer
# end to end (install, the whole test taken by X-server input, uninstall). On a fresh
# machine it first installs what it needs and builds Qt for Windows (once).
set -eu
cd "$(dirname "$0")/.."
TELVANOR_QT_WINDOWS=$(scripts/setup-windows.sh)
export TELVANOR_QT_WINDOWS
scripts/package-windows.sh >/dev/null

work=$(mktemp -d)
display_fd="$work/display"
cleanup() {
    [ -n "${openbox:-}" ] && kill "$openbox" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$display_fd" 2>/dev/null &
xvfb=$!
while [ ! -s "$display_fd" ]; do sleep 0.1; done
DISPLAY=":$(cat "$display_fd")"
export DISPLAY
openbox >/dev/null 2>&1 &
openbox=$!

# A fresh Wine prefix, without the offer to install Mono and Gecko.
WINEPREFIX="$work/prefix"
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
wine wineboot --init >/dev/null 2>&1
wineserver -w

ctest --preset windows
tests/tst_installer.py dist/Telvanor-*-setup.exe
