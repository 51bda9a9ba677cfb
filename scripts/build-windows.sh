#!/usr/bin/env bash
# Installs what is missing and cross-builds the Windows program with mingw-w64:
# build-windows/src/windows/brimblet.exe, a 32-bit program that needs no DLL beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows
echo "Built: build-windows/src/windows/brimblet.exe"
