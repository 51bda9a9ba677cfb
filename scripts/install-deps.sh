#!/usr/bin/env bash
# Installs what building, playing and testing Brimblet need on Debian 12, as root or through sudo.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev clang libclang-rt-14-dev python3
    fonts-comic-neue fonts-dejavu-core
    xvfb xauth xdotool x11-utils x11-apps openbox wmctrl strace desktop-file-utils appstream
    # What every desktop has: a session bus that programs can launch, and the accessibility
    # bus. The tests give each program a bus of its own, so they pass with these or without.
    dbus-daemon dbus-x11 at-spi2-core
    # Packaging: the .deb is built, linted and installed by the test command.
    dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
