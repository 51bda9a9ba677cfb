#!/usr/bin/env bash
# Builds the browser version and serves it on this machine; open the address it prints.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-web.sh
port=${BRIMBLET_PORT:-8080}
echo "Brimblet is served at http://127.0.0.1:$port/ (Ctrl+C stops it)"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
