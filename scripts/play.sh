#!/usr/bin/env bash
# Installs what is missing, builds Brimblet and starts it from the folder of its pictures.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target brimblet
cd assets
exec ../build/src/qt/brimblet
