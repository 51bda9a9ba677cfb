#!/usr/bin/env bash
# Builds the Debian package and lints it (any lintian error or warning fails), then installs
# it on this machine, starts the installed game under Xvfb as its menu entry does and as a
# player typing `brimblet` in a terminal in a folder of their own does, checks that it comes
# up without an error box each time, and removes the package and anything its installation
# brought in. Leaves the machine as it found it, also when a step fails half-way. Where a
# brimblet package is installed already, it says so and leaves that one alone.
# Run as root or with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
scripts/install-deps.sh

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" >/dev/null
cmake --build build-package
rm -f build-package/brimblet_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/brimblet_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

echo "lintian:"
lint=$(lintian --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || true)
echo "${lint:-(nothing)}"
if grep -qE '^[EW]: ' <<<"$lint"; then
    echo "FAIL: lintian reports errors or warnings" >&2
    exit 1
fi

if dpkg-query -W -f='${Status}' brimblet 2>/dev/null | grep -q "ok installed"; then
    echo "A brimblet package is installed on this machine already: not touching it," \
         "so the installation checks are skipped."
    exit 0
fi

packages_now() { dpkg-query -W -f='${Package}:${Architecture} ${Status}\n' | grep ' ok installed$' | cut -d' ' -f1 | sort; }
before=$(mktemp)
packages_now >"$before"
# Whatever happens from here on, the package goes again, and so does anything its
# installation pulled in.
restore() {
    local added
    added=$(comm -13 "$before" <(packages_now) | tr '\n' ' ')
    if [ -n "$added" ]; then
        DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y $added >/dev/null 2>&1 ||
            echo "could not remove again: $added" >&2
    fi
    rm -f "$before"
}
trap restore EXIT

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "./$deb" >/dev/null
files=$(dpkg -L brimblet)
entry=/usr/share/applications/org.brimblet.Brimblet.desktop
desktop-file-validate "$entry"
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" tests/e2e/program.sh desktop-entry "$entry"
# A terminal's search path, as a login shell sets it for a player.
PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" tests/e2e/program.sh terminal brimblet

trap - EXIT
restore
left=""
while read -r f; do
    [ -f "$f" ] || [ -L "$f" ] && left+=" $f"
done <<<"$files"
for d in /usr/share/games/brimblet /usr/lib/games/brimblet /usr/share/doc/brimblet; do
    [ -e "$d" ] && left+=" $d"
done
[ -z "$left" ] || { echo "FAIL: left after removal:$left" >&2; exit 1; }
echo "Package check passed: lint-clean, installed, started from its menu entry and from a" \
     "terminal, removed with nothing left."
