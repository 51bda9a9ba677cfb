#!/usr/bin/env bash
# Builds the Windows release in build-windows/:
#   brimblet-<version>-win32.zip  unpack anywhere and start brimblet.exe there;
#   brimblet-<version>-win32.exe  an installer, just for the player (no administrator) or for
#                                 everyone on the PC; /S /CurrentUser or /S /AllUsers silently;
#   brimblet-<version>-win32.msi  a Windows Installer package for deployment to many PCs,
#                                 per machine; msiexec /i <file> /qn silently.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-windows.sh
build=build-windows
(cd "$build" && cpack -G "ZIP;NSIS" >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -rf "$build/msi-stage"
cmake --install "$build" --prefix "$build/msi-stage" >/dev/null
scripts/make-msi.sh "$build/msi-stage" "$version" "$build/brimblet-$version-win32.msi"
ls -l "$build"/brimblet-*-win32.zip "$build"/brimblet-*-win32.exe "$build"/brimblet-*-win32.msi
