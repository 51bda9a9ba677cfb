#!/usr/bin/env bash
# The Windows release as a player meets it, in a fresh Wine prefix of its own: the installer
# run silently; the files where they belong; the Start-menu shortcut's target and working
# folder; the installed game started as the shortcut starts it, with no error box; the
# entry in the list of installed programs; the uninstaller run silently, leaving nothing of
# ours. Then the zip unpacked into an empty folder and the game started there.
# Usage: release.sh <Windows build folder> <probe.exe>
# Run by CTest from scripts/test-windows.sh, which provides the display and a window manager.
set -euo pipefail

build=$(cd "$1" && pwd)
probe_exe=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)

export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's programs write nothing to CTest's pipes, or CTest would wait for them.
exec 3>"$work/wine.log"

app_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL (windows release): $*" >&2
    probe | sed "s/^/  probe: /" >&2 || true
    exit 1
}

probe() { wine "$probe_exe" 2>/dev/null </dev/null | tr -d '\r'; }

# Starts the game in a folder and checks that its main window comes up with no error box.
start_and_check() {  # unix folder, Windows path of the program
    (cd "$1" && exec wine "$2" >&3 2>&3 </dev/null) &
    app_pid=$!
    for _ in $(seq 300); do probe | grep -q '^window TForm1' && break; sleep 0.1; done
    sleep 0.5
    local listing
    listing=$(probe)
    grep -q '^window TForm1' <<<"$listing" || fail "the game did not come up from $2"
    grep -q '^window #32770' <<<"$listing" && fail "an error box came up: $(grep -A3 '^window #32770' <<<"$listing")"
    wine "$probe_exe" close Brimblet >&3 2>&3 </dev/null
    for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    local code=0
    wait "$app_pid" || code=$?
    [ "$code" -eq 0 ] || fail "the game ended with $code"
}

(cd "$build" && cpack -G "ZIP;NSIS" -B "$work/packages" >/dev/null)
installer=$(ls "$work"/packages/brimblet-*-win32.exe)
zip=$(ls "$work"/packages/brimblet-*-win32.zip)
echo "installer $(stat -c %s "$installer") bytes, zip $(stat -c %s "$zip") bytes"

wineboot --init >&3 2>&3 </dev/null
wine "$installer" /S >&3 2>&3 </dev/null
wineserver -w

installed="$WINEPREFIX/drive_c/Program Files/Brimblet"
for f in brimblet.exe brimb.bmp counter.bmp counter2.bmp d1.bmp d2.bmp d3.bmp d4.bmp d5.bmp d6.bmp \
         LICENSE.txt README.txt Uninstall.exe; do
    [ -f "$installed/$f" ] || fail "not installed: Program Files\\Brimblet\\$f"
done
cmp -s "$installed/brimblet.exe" "$build/src/windows/brimblet.exe" || fail "the installed program is not the one built"

menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brimblet"
[ -f "$menu/Brimblet.lnk" ] || fail "no Start-menu shortcut: $(find "$WINEPREFIX/drive_c" -name '*.lnk' | tr '\n' ' ')"
shortcut=$(python3 "$here/shortcut.py" "$menu/Brimblet.lnk")
target=$(sed -n 's/^target //p' <<<"$shortcut")
folder=$(sed -n 's/^folder //p' <<<"$shortcut")
[ "${target,,}" = 'c:\program files\brimblet\brimblet.exe' ] || fail "the shortcut starts '$target'"
echo "shortcut: $target in $folder"
[ "${folder,,}" = 'c:\program files\brimblet' ] || fail "the shortcut starts in '$folder'"

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brimblet'
entry=$(wine reg query "$key" 2>&3 </dev/null | tr -d '\r')
for value in "DisplayName.*Brimblet" "DisplayVersion.*[0-9]+\.[0-9]+\.[0-9]+" \
             "Publisher.*The Brimblet developers" "DisplayIcon.*brimblet\.exe" \
             "EstimatedSize.*REG_DWORD.*0x[1-9a-f]" "UninstallString.*Uninstall\.exe"; do
    grep -qE "$value" <<<"$entry" || fail "the list of installed programs lacks $value: $entry"
done

# As the shortcut starts it: the target, in the working folder.
start_and_check "$(winepath -u "$folder" 2>&3)" "$target"

wine "$installed/Uninstall.exe" /S >&3 2>&3 </dev/null
wineserver -w   # the uninstaller copies itself elsewhere and returns at once
[ ! -e "$installed" ] || fail "left after uninstalling: $(ls -A "$installed" | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
wine reg query "$key" >&3 2>&3 </dev/null && fail "the entry in the list of installed programs is left"

mkdir "$work/unzipped"
(cd "$work/unzipped" && unzip -q "$zip")
for f in LICENSE.txt README.txt; do
    grep -q $'\r$' "$work/unzipped/$f" || fail "$f has no Windows line ends"
    [ "$(grep -c $'[^\r]$' "$work/unzipped/$f")" -eq 0 ] || fail "$f has lines without a Windows line end"
done
start_and_check "$work/unzipped" brimblet.exe
echo "PASS (windows release)"
