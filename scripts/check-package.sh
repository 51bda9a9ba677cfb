#!/usr/bin/env bash
# Builds the Debian package, lints it, installs it on this machine, starts the installed game
# under Xvfb the way its menu entry does, checks it comes up without an error box, and removes
# the package again. Run as root or with sudo; leaves the machine as it found it.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
scripts/install-deps.sh
missing=""
for p in lintian dpkg-dev file; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=" $p"; done
[ -z "$missing" ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
cmake --build build-package
(cd build-package && cpack -G DEB)
deb=$(ls build-package/brimblet_*_amd64.deb 2>/dev/null || ls build-package/brimblet_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends

echo "lintian:"
lintian --info "$deb" | grep -v 'running with root privileges' || true

if dpkg-query -W -f='${Status}' brimblet 2>/dev/null | grep -q "ok installed"; then
    echo "brimblet is already installed here; not touching it" >&2
    exit 1
fi
trap '$sudo apt-get remove -y brimblet >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "./$deb"
entry=/usr/share/applications/org.brimblet.Brimblet.desktop
desktop-file-validate "$entry"
xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/program.sh desktop-entry "$entry"

$sudo apt-get remove -y brimblet
trap - EXIT
[ ! -e /usr/bin/brimblet ] && [ ! -e /usr/share/brimblet ] || { echo "FAIL: files left after removal" >&2; exit 1; }
echo "Package check passed: built, installed, started from its menu entry, removed."
