#!/bin/sh
# Installs every Debian package that building, running and testing Telvanor needs, and the
# further packages named as arguments:
#   scripts/setup-debian.sh [PACKAGE...]
# Safe to run again: packages already present are left as they are.
set -eu

PACKAGES="
    g++ cmake ninja-build
    qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libxcb1-dev pkgconf
    qt6-wayland xvfb openbox weston xwayland xdotool
    dbus-daemon at-spi2-core python3-pyatspi
    fonts-dejavu-core fonts-liberation2
    clang-tidy cppcheck
    desktop-file-utils appstream dpkg-dev file lintian
"

missing=""
for package in $PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
