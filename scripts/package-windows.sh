#!/usr/bin/env bash
# Builds the Windows release: build-windows/brimblet-<version>-win32.zip (unpack anywhere and
# start brimblet.exe there) and build-windows/brimblet-<version>-win32.exe (an installer into
# Program Files\Brimblet with a Start-menu shortcut and an uninstaller; /S installs silently).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-windows.sh
(cd build-windows && cpack -G "ZIP;NSIS" >/dev/null)
ls -l build-windows/brimblet-*-win32.zip build-windows/brimblet-*-win32.exe
