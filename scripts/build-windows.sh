#!/usr/bin/env bash
# Installs what is missing and cross-builds the Windows program with mingw-w64:
# build-windows/src/windows/brimblet.exe, the 32-bit program we ship, which needs no DLL
# beside it. With --64-bit [reason], the same sources for x86_64 into build-windows64/, whose
# tests run under 64-bit Wine and read the shipped program from build-windows/ (built first);
# the reason, why its tests run no 32-bit program, goes to the tests that skip for it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
# Where the tests run on the 64-bit build, the shipped build needs no tests of its own.
testing=ON
[ "${1:-}" != --64-bit ] || testing=OFF
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing >/dev/null
cmake --build build-windows
echo "Built: build-windows/src/windows/brimblet.exe"
if [ "${1:-}" = --64-bit ]; then
    cmake -S . -B build-windows64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake \
        -DCMAKE_BUILD_TYPE=Release -DBRIMBLET_SHIPPED_BUILD="$PWD/build-windows" \
        -DBRIMBLET_NO_32_BIT_REASON="${2:-the tests run on the 64-bit build}" >/dev/null
    cmake --build build-windows64
    echo "Built: build-windows64/src/windows/brimblet.exe, for the tests under 64-bit Wine"
fi
