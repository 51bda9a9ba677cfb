#!/usr/bin/env bash
# Cross-builds the Windows program (build-windows/) and runs its tests under Wine: the rules'
# and the shared layer's GoogleTest suites, the windows built in-process, and the real
# brimblet.exe driven from outside. Gives the run a Wine prefix of its own in the build
# folder, an X server (Xvfb) with a window manager, and a wineserver started before CTest and
# stopped at the end, whatever happens.
# Where this machine runs no 32-bit program, or 32-bit Wine is not installed, the tests run on a
# 64-bit build of the same sources under 64-bit Wine (build-windows64/); the 32-bit program is
# still built, packaged and checked, and only what would run it is skipped, with the reason.
# BRIMBLET_WINDOWS_64=1 takes that way on any machine.
# Usage: scripts/test-windows.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

reason=""
if [ "${BRIMBLET_WINDOWS_64:-0}" = 1 ]; then
    reason="BRIMBLET_WINDOWS_64 is set"
elif ! scripts/runs-32-bit-programs.sh >/dev/null; then
    reason="this machine runs no 32-bit program"
elif [ ! -x /usr/lib/wine/wine ]; then
    scripts/install-deps.sh --windows
    [ -x /usr/lib/wine/wine ] || reason="32-bit Wine (wine32:i386) is not installed"
fi
way="on the 32-bit build, under 32-bit Wine"
[ -z "$reason" ] || way="on the 64-bit build: $reason"
echo "Windows tests run $way"
if [ -z "$reason" ]; then
    scripts/build-windows.sh
    build=build-windows
else
    scripts/build-windows.sh --64-bit "$reason"
    build=build-windows64
    PATH="$PWD/$build/wine64:$PATH"
fi

export WINEPREFIX="$PWD/$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
wm_pid=""
stop() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    true
}
trap stop EXIT

# A display of our own: the first free one, as Xvfb picks it.
# shellcheck source=../tests/support/x11.sh
source tests/support/x11.sh
start_display 1024x768

# The languages the tests run the game in: Wine takes the user's language from LANG only where
# the locale is compiled, so they are compiled here, into the build folder (LOCPATH).
mkdir -p "$build/locales"
for locale in de_DE pl_PL zh_CN hi_IN fr_CA zh_TW zh_SG pt_BR pt_PT sw_KE ar_EG he_IL; do
    [ -d "$build/locales/$locale.UTF-8" ] || localedef -i "$locale" -f UTF-8 "$build/locales/$locale.UTF-8" 2>/dev/null ||
        [ -d "$build/locales/$locale.UTF-8" ]
done

# A fresh prefix each run (its first start takes seconds), with the free faces that stand in
# for the game's fonts, and its server kept up for the whole run so that each test is quick.
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
# The faces Windows ships for each script stand in for as free faces do (see
# tests/windows/stand_in_faces.py), some merged into the prefix's own Fonts folder.
mapfile -t scripts_faces < <(/usr/bin/python3 tests/windows/stand_in_faces.py src/shared/faces.txt \
    "$WINEPREFIX/drive_c/windows/Fonts")
for face in "Comic Sans MS=Comic Neue" "MS Sans Serif=Liberation Sans" "MS Shell Dlg=Liberation Sans" \
    "${scripts_faces[@]}"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /t REG_SZ \
        /d "${face#*=}" /f >/dev/null 2>&1
done
wineserver -w
# Started here, with their output elsewhere, the server and Wine's own helper programs
# (services, the desktop) hold none of CTest's pipes: CTest would wait on them after each test.
wineserver -p 600 >/dev/null 2>&1 </dev/null || true
wineboot >/dev/null 2>&1 </dev/null

status=0
ctest --test-dir "$build" --output-on-failure --timeout 300 "$@" || status=$?
echo "Windows tests ran $way"
exit $status
