#!/bin/sh
# Builds Telvanor and its tests for Windows and runs them under Wine, on a virtual X display
# of 1366 x 768 with openbox: the QtTest suite on Qt's Windows platform, then the installer
# end to end (install, the whole test taken by X-server input, uninstall). On a fresh
# machine it first installs what it needs and builds Qt for Windows (once per recipe).
#
# Wine is given no font of the Linux machine's: the program must draw with its own fonts,
# as on a Windows machine that has none of them.
set -eu
cd "$(dirname "$0")/.."
TELVANOR_QT_WINDOWS=$(scripts/setup-windows.sh)
export TELVANOR_QT_WINDOWS
scripts/package-windows.sh

work=$(mktemp -d)
display_fd="$work/display"
cleanup() {
    [ -n "${openbox:-}" ] && kill "$openbox" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    WINEPREFIX="$work/prefix" timeout 30 wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

fail() {
    echo "test-windows: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$display_fd" &
xvfb=$!
waited=0
while [ ! -s "$display_fd" ]; do
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb ended before it opened a display"
    [ "$waited" -lt 100 ] || fail "Xvfb opened no display within 10 s"
    sleep 0.1
    waited=$((waited + 1))
done
DISPLAY=":$(cat "$display_fd")"
export DISPLAY
openbox &
openbox=$!

# Fontconfig without a font folder: Wine finds no Linux font to offer the program.
cat >"$work/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><cachedir>FONT_CACHE</cachedir></fontconfig>
CONF
sed -i "s|FONT_CACHE|$work/fontconfig-cache|" "$work/fonts.conf"
FONTCONFIG_FILE="$work/fonts.conf"

# A fresh Wine prefix, without the offer to install Mono and Gecko.
WINEPREFIX="$work/prefix"
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export FONTCONFIG_FILE WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
timeout 300 wine wineboot --init || fail "wineboot did not make the Wine prefix within 300 s"
timeout 300 wineserver -w || fail "Wine did not settle within 300 s of wineboot"

ctest --preset windows
tests/tst_installer.py dist/Telvanor-*-setup.exe
