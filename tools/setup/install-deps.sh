#!/bin/sh
# Installs whatever the build, the tests and the tools need and this machine
# lacks. Debian 12 packages only; asks apt-get only when something is missing.
set -e
PKGS="cmake ninja-build g++ make pkg-config
qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins libgl-dev
libqt6svg6 libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa
fonts-liberation2 fontconfig
clang libclang-rt-14-dev
xvfb xauth xdotool imagemagick sox libsox-fmt-mp3 lame
diatheke sword-text-sparv libsword-dev python3
dpkg-dev lintian desktop-file-utils appstream
qt6-httpserver-dev qt6-websockets-dev libqrencode-dev zbar-tools
chromium chromium-driver python3-selenium python3-aiohttp openbox"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
