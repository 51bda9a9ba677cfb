#!/usr/bin/env bash
# Builds Brimblet's benchmarks in Release and prints every figure: start-up as a player sees it
# for both builds against floors of their toolkits; first paint, CPU, instructions and memory
# against an empty Qt window; one die click; the rules alone; the browser build against a plain
# page that draws the same pictures, and Lighthouse's scores for it.
#   bench/run.sh [pairs]       (20 alternating start-up pairs by default)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
command -v valgrind >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y valgrind; }
# The browser build is served by nginx, as a web host would serve it.
command -v nginx >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y nginx-light; }
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIMBLET_BENCH=ON -DBUILD_TESTING=OFF
cmake --build build-bench

scripts/build-windows.sh >/dev/null

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(uname -r)"
# Start-up to the main window mapped: on an X server with no window manager, whose frames and
# placement would be measured too; with a session bus, as a desktop has; on one core, where
# this virtual machine's wake-ups across cores do not add their 0-70 ms of noise to Wine's
# many round trips.
taskset -c 0 dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
    python3 bench/startup.py build-bench build-windows assets "${1:-20}"
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" python3 bench/measure.py build-bench assets "${1:-20}"
echo "one die click (in-process, offscreen):"
XDG_RUNTIME_DIR=$(mktemp -d) build-bench/bench/ClickBenchmark assets 2>/dev/null | sed 's/^/  /'
# The browser build, in headless Chromium, each figure beside its baseline page.
scripts/build-web.sh >/dev/null
/usr/bin/python3 bench/web.py build-web/site "${1:-20}"
# Lighthouse (pinned by bench/package-lock.json) with its desktop and its mobile settings.
npm ci --prefix bench --ignore-scripts --no-audit --no-fund --loglevel=error
/usr/bin/python3 bench/lighthouse.py build-web/site
