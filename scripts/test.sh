#!/usr/bin/env bash
# Installs what is missing, builds Brimblet and runs every test through CTest, twice:
#   build/       the ordinary build: rules, widgets, the real program under Xvfb; then the
#                Debian package is built, linted, installed, started and removed;
#   build-windows/  the Windows program, cross-built with mingw-w64 and tested under Wine;
#   build-web/   the browser version, built with emscripten and played in headless Chromium;
#   build-asan/  everything again under AddressSanitizer and UndefinedBehaviorSanitizer
#                (clang), plus a short run of the picture-loading fuzzer.
# Fails loudly (non-zero exit) if anything fails. BRIMBLET_QUICK=1 skips the second build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --all

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300

# The Debian package: built, lint-clean, installed, started, removed.
scripts/check-package.sh

# The Windows program: cross-built, and tested under Wine.
scripts/test-windows.sh

# The browser version: built with emscripten, its suites under Node, its site in Chromium.
scripts/test-web.sh

if [ "${BRIMBLET_QUICK:-0}" != 1 ]; then
    CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBRIMBLET_SANITIZE=ON -DBRIMBLET_FUZZ=ON
    cmake --build build-asan
    ctest --test-dir build-asan --output-on-failure --timeout 600
fi
echo "All tests passed."
