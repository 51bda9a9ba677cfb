#!/usr/bin/env bash
# Installs what is missing, builds Brimblet and runs every test through CTest.
# Fails loudly (non-zero exit) if anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300
