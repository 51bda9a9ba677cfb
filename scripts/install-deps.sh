#!/usr/bin/env bash
# Installs what building, playing and testing Brimblet need on Debian 12, as root or through sudo;
# with --windows, what the Windows program's build and tests need as well; with --web, only
# what the browser build, its site and its tests need; with --all, everything.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config gettext
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev clang libclang-rt-14-dev python3
    fonts-comic-neue fonts-dejavu-core
    xvfb xauth xdotool x11-utils x11-apps openbox wmctrl strace desktop-file-utils appstream
    # What every desktop has: a session bus that programs can launch, and the accessibility
    # bus. The tests give each program a bus of its own, so they pass with these or without.
    dbus-daemon dbus-x11 at-spi2-core
    # A Wayland desktop: Qt's Wayland plugin, and a compositor with a headless back end whose
    # windows the tests reach through the accessibility bus.
    qt6-wayland weston python3-pyatspi
    # Packaging: the .deb is built, linted and installed by the test command.
    dpkg-dev file lintian
)

# With --windows: what the Windows program needs too. It is cross-built with mingw-w64 (posix
# threads, for GoogleTest) and tested under 32-bit Wine, from Debian's i386 architecture, with
# the free faces that stand in for its fonts.
windows_packages=(g++-mingw-w64-i686-posix googletest wine wine32:i386 fonts-liberation nsis zip unzip wixl msitools locales)
# With --web: the browser build alone. Debian's emscripten (GoogleTest's sources are built with
# it), the font the site ships and fontTools, which cuts it to the page's letters, and the three
# engines its tests play in: Chromium and WebKitGTK's MiniBrowser (in Xvfb) driven by Selenium,
# Firefox by npm's puppeteer-core under Node.js (PIL reads the screenshots).
web_packages=(emscripten cmake ninja-build python3 gettext googletest fonts-comic-neue python3-fonttools python3-brotli
    chromium chromium-driver python3-selenium python3-pil
    firefox-esr webkit2gtk-driver xvfb xauth)
# Node.js and npm, where the machine has none of its own.
command -v npm >/dev/null || web_packages+=(nodejs npm)

need_i386=0
case "${1:-}" in
--web) packages=("${web_packages[@]}") ;;
--windows) packages+=("${windows_packages[@]}") ;;
--all) packages+=("${windows_packages[@]}" "${web_packages[@]}") ;;
esac
if [[ " ${packages[*]} " == *" wine32:i386 "* ]]; then
    dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && [ $need_i386 -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
[ $need_i386 -eq 0 ] || $sudo dpkg --add-architecture i386
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
