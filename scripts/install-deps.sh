#!/usr/bin/env bash
# Installs what building, playing and testing Brimblet need on Debian 12, as root or through sudo;
# with --windows, what the Windows program's build and tests need as well; with --web, only
# what the browser build, its site and its tests need; with --all, everything.
# Does nothing when everything is already there. A package index that fails to download is
# a warning, not a stop: the lists at hand usually still hold every package. It stops only when
# a package it needs cannot be installed, and names it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The faces the game draws each language in: the packages of the faces table's "@" rows.
mapfile -t font_packages < <(grep '^@' "$here/../src/shared/faces.txt" | cut -d'|' -f2 | tr -d ' ' | sort -u)
packages=(
    "${font_packages[@]}"
    build-essential cmake ninja-build pkg-config gettext
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev clang libclang-rt-14-dev python3
    xvfb xauth xdotool x11-utils x11-apps openbox wmctrl strace desktop-file-utils appstream
    # What every desktop has: a session bus that programs can launch, and the accessibility
    # bus. The tests give each program a bus of its own, so they pass with these or without.
    dbus-daemon dbus-x11 at-spi2-core
    # A Wayland desktop: Qt's Wayland plugin, and a compositor with a headless back end whose
    # windows the tests reach through the accessibility bus.
    qt6-wayland weston python3-pyatspi
    # Packaging: the .deb is built, linted and installed by the test command.
    dpkg-dev file lintian
    # The translators' checks of the catalogue: pofilter, and hunspell with each language's
    # dictionary.
    translate-toolkit hunspell hunspell-de-de hunspell-es hunspell-fr hunspell-it hunspell-nl
    hunspell-pl hunspell-pt-pt hunspell-pt-br hunspell-ru hunspell-uk hunspell-el hunspell-tr
    hunspell-vi hunspell-id hunspell-hi hunspell-bn hunspell-ko hunspell-ar hunspell-he
    python3-fonttools
)

# With --windows: what the Windows program needs too. It is cross-built with mingw-w64 (posix
# threads, for GoogleTest), with the free faces that stand in for its fonts. Its tests run under
# 32-bit Wine (from Debian's i386 architecture) where the machine runs 32-bit programs, and on
# a 64-bit build under 64-bit Wine where it does not, or where 32-bit Wine cannot be installed.
windows_packages=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest wine wine64
    fonts-liberation nsis zip unzip wixl msitools locales python3-fonttools)
# Wanted, not needed: without it the Windows tests take the 64-bit way.
optional_packages=()
# With --web: the browser build alone. Debian's emscripten (GoogleTest's sources are built with
# it), the faces the site ships and fontTools, which cuts them to the page's letters, and the three
# engines its tests play in: Chromium and WebKitGTK's MiniBrowser (in Xvfb) driven by Selenium,
# Firefox by npm's puppeteer-core under Node.js (PIL reads the screenshots).
web_packages=(emscripten cmake ninja-build python3 gettext googletest "${font_packages[@]}" python3-fonttools python3-brotli
    chromium chromium-driver python3-selenium python3-pil
    firefox-esr webkit2gtk-driver xvfb xauth)
# Node.js and npm, where the machine has none of its own.
command -v npm >/dev/null || web_packages+=(nodejs npm)

need_i386=0
case "${1:-}" in
--web) packages=("${web_packages[@]}") ;;
--windows | --all)
    packages+=("${windows_packages[@]}")
    [ "$1" = --windows ] || packages+=("${web_packages[@]}")
    if "$here/runs-32-bit-programs.sh" >/dev/null; then
        optional_packages+=(wine32:i386)
        dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
    fi
    ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=() missing_optional=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${optional_packages[@]}"; do installed "$p" || missing_optional+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && [ $need_i386 -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
cannot_install_optional() {
    echo "warning: cannot install ${missing_optional[*]}: the Windows tests will run on the 64-bit build" >&2
}
# Only something wanted is missing, and the lists at hand cannot give it: no update for it
# on every run.
if [ ${#missing[@]} -eq 0 ] && [ $need_i386 -eq 0 ] &&
    ! $sudo apt-get install -s --no-install-recommends "${missing_optional[@]}" >/dev/null 2>&1; then
    cannot_install_optional
    exit 0
fi

echo "Installing: ${missing[*]} ${missing_optional[*]}"
[ $need_i386 -eq 0 ] || $sudo dpkg --add-architecture i386
# One index that fails (a mirror mid-sync, a source with an expired key) leaves the others,
# and the lists already on the machine, to install from.
if ! update_log=$($sudo apt-get update 2>&1); then
    echo "warning: apt-get update failed, going on with the package lists at hand:" \
        "$(grep -m1 '^E:' <<<"$update_log" || tail -n1 <<<"$update_log")" >&2
fi
install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "$@"; }
if [ ${#missing[@]} -gt 0 ] && ! install "${missing[@]}"; then
    unavailable=()
    for p in "${missing[@]}"; do
        installed "$p" || $sudo apt-get install -s --no-install-recommends "$p" >/dev/null 2>&1 || unavailable+=("$p")
    done
    echo "install-deps.sh: cannot install ${unavailable[*]:-the packages above}" >&2
    exit 1
fi
if [ ${#missing_optional[@]} -gt 0 ] && ! install "${missing_optional[@]}" >/dev/null 2>&1; then
    cannot_install_optional
fi
