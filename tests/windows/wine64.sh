#!/bin/sh
# 64-bit Wine, whatever else is installed: Debian's `wine` picks the 32-bit loader whenever
# wine32 is there. The Windows build for x86_64 puts links to this script, named wine,
# wineserver, wineboot, winepath and msiexec, first on the PATH of its tests.
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
name=$(basename "$0")
case "$name" in
wine | wine64) exec "$WINELOADER" "$@" ;;
wineserver) exec "$WINESERVER" "$@" ;;
*) exec "$WINELOADER" "$name.exe" "$@" ;;
esac
