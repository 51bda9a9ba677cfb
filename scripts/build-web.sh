#!/usr/bin/env bash
# Installs what is missing and builds Brimblet for the browser with Debian's emscripten:
# build-web/site/, a static folder (the page, its script and .wasm, the nine pictures, the
# fonts and the icon) that any static web host serves as it is.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --web
# Emscripten's optimiser needs Debian's acorn, which this machine's node does not look for.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web
echo "Built: build-web/site/"
