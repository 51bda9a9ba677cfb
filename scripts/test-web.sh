#!/usr/bin/env bash
# Builds the browser version (build-web/) and runs its tests: the rules' and the shared layer's
# suites and the picture record under Node, and the site played in Chromium, Firefox and WebKit.
# Usage: scripts/test-web.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-web.sh
# What the tests drive Firefox and check the page with, exactly as the lock file pins them.
npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
ctest --test-dir build-web --output-on-failure --timeout 300 "$@"
