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
fail() {
    echo "test-windows: $*" >&2
    exit 1
}

# Stops the display and Wine of the last screen.
stop_screen() {
    [ -n "${WINEPREFIX:-}" ] && { timeout 30 wineserver -k || true; }
    [ -n "${openbox:-}" ] && kill "$openbox" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    openbox="" xvfb=""
    return 0
}
trap 'stop_screen; rm -rf "$work"' EXIT INT TERM

# Fontconfig without a font folder: Wine finds no Linux font to offer the program.
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><cachedir>$work/fontconfig-cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE="$work/fonts.conf"
WINEDEBUG=-all
# Without the offer to install Mono and Gecko.
WINEDLLOVERRIDES="mscoree,mshtml="
export FONTCONFIG_FILE WINEDEBUG WINEDLLOVERRIDES

# A virtual X display of the given size with openbox, and a fresh Wine prefix on it.
start_screen() {
    stop_screen
    display_fd="$work/display-$1"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$display_fd" &
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
    WINEPREFIX="$work/prefix-$1"
    export WINEPREFIX
    timeout 300 wine wineboot --init || fail "wineboot did not make the Wine prefix within 300 s"
    timeout 300 wineserver -w || fail "Wine did not settle within 300 s of wineboot"
}

start_screen 1366x768
ctest --preset windows
tests/tst_installer.py dist/Telvanor-*-setup.exe
# The display scales of most Windows laptops: 150 % on full HD, and 200 % on 2560 x 1440.
start_screen 1920x1080
tests/tst_installer.py dist/Telvanor-*-setup.exe 144
