#!/usr/bin/env bash
# The Windows release as players and administrators meet it, each way in a fresh Wine prefix:
#   the installer for everyone (/S /AllUsers), then the zip unpacked into an empty folder;
#   the installer just for me (/S /CurrentUser): nothing under Program Files or HKLM;
#   the MSI installed silently, upgraded by a build of a higher version, removed silently.
# Each time: the files where they belong, the Start-menu shortcut's target and working folder,
# the game started as the shortcut starts it, with no error box, the entry in the list of
# installed programs, and the removal leaving nothing of ours.
# Usage: release.sh <Windows build folder> <probe.exe>
# Run by CTest from scripts/test-windows.sh, which provides the display and a window manager.
set -euo pipefail

build=$(cd "$1" && pwd)
probe_exe=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)

export WINEDEBUG=-all
# No menu entries on the Linux side for the shortcuts the installers make (winemenubuilder).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine's programs write nothing to CTest's pipes, or CTest would wait for them.
exec 3>"$work/wine.log"

app_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
[ -z "${KEEP:-}" ] && trap cleanup EXIT

fail() {
    echo "FAIL (windows release, $way): $*" >&2
    probe | sed "s/^/  probe: /" >&2 || true
    exit 1
}

probe() { wine "$probe_exe" 2>/dev/null </dev/null | tr -d '\r'; }

# A prefix of its own for each way of installing, each a copy of one made afresh (a copy takes
# a fraction of a second where making one takes 15); the last one's server is stopped first.
fresh_prefix() {  # name
    way=$1
    wineserver -k >/dev/null 2>&1 || true
    if [ ! -d "$work/prefix" ]; then
        WINEPREFIX="$work/prefix" wineboot --init >&3 2>&3 </dev/null
        WINEPREFIX="$work/prefix" wineserver -w
    fi
    export WINEPREFIX="$work/prefix-$1"
    cp -a "$work/prefix" "$WINEPREFIX"
    c="$WINEPREFIX/drive_c"
    user_dir=$(winepath -u 'C:\users\'"$(id -un)" 2>&3)
}

# What belongs to every user of the machine: the shared folders and HKLM.
machine_wide() {
    (cd "$c" && find "Program Files" ProgramData -print | sort)
    grep -o '^\[[^]]*\]' "$WINEPREFIX/system.reg" | sort
}

# Anything of ours left anywhere in the prefix, files or registry.
ours() {
    find "$c" -iname '*brimblet*' -print
    grep -i brimblet "$WINEPREFIX"/*.reg || true
}

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

# The installed files, the shortcut, and the game started from the shortcut (unless "files").
check_installed() {  # Windows folder, Start-menu folder (unix), the build's read-me (unix) [files]
    local folder_unix
    folder_unix=$(winepath -u "$1" 2>&3)
    for f in brimblet.exe brimb.bmp counter.bmp counter2.bmp d1.bmp d2.bmp d3.bmp d4.bmp d5.bmp \
             d6.bmp LICENSE.txt README.txt; do
        [ -f "$folder_unix/$f" ] || fail "not installed: $1\\$f"
    done
    cmp -s "$folder_unix/brimblet.exe" "$build/src/windows/brimblet.exe" || fail "the installed program is not the one built"
    cmp -s "$folder_unix/README.txt" "$3" || fail "the installed read-me is not this build's"
    [ -f "$2/Brimblet.lnk" ] || fail "no Start-menu shortcut: $(find "$c" -name '*.lnk' | tr '\n' ' ')"
    local shortcut target folder
    shortcut=$(python3 "$here/shortcut.py" "$2/Brimblet.lnk" | tr -d '\0')
    target=$(sed -n 's/^target //p' <<<"$shortcut")
    folder=$(sed -n 's/^folder //p' <<<"$shortcut")
    echo "$way: the shortcut starts $target in $folder"
    [ "${target,,}" = "${1,,}\\brimblet.exe" ] || fail "the shortcut starts '$target'"
    folder=${folder%\\}   # Windows Installer ends a folder with a backslash
    [ "${folder,,}" = "${1,,}" ] || fail "the shortcut starts in '$folder'"
    [ "${4:-}" = files ] || start_and_check "$(winepath -u "$folder" 2>&3)" "$target"
}

# The entry in the list of installed programs, under one root, holds each of the patterns.
check_entry() {  # key, patterns...
    local key=$1 entry
    shift
    entry=$(wine reg query "$key" 2>&3 </dev/null | tr -d '\r')
    for value in "$@"; do
        grep -qE "$value" <<<"$entry" || fail "the list of installed programs lacks $value: $entry"
    done
}

(cd "$build" && cpack -G "ZIP;NSIS" -B "$work/packages" >/dev/null)
installer=$(ls "$work"/packages/brimblet-*-win32.exe)
zip=$(ls "$work"/packages/brimblet-*-win32.zip)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
cmake --install "$build" --prefix "$work/stage" >/dev/null
readme="$work/stage/README.txt"
"$root/scripts/make-msi.sh" "$work/stage" "$version" "$work/packages/old.msi"
echo "installer $(stat -c %s "$installer") bytes, zip $(stat -c %s "$zip") bytes, msi $(stat -c %s "$work/packages/old.msi") bytes"
way=manifest
python3 "$here/manifest.py" --installer "$installer" || fail "the installer asks for elevation"

# For everyone on the PC.
entry_values=("DisplayName.*Brimblet" "DisplayVersion.*$version" "Publisher.*The Brimblet developers"
              "DisplayIcon.*brimblet\.exe" "EstimatedSize.*REG_DWORD.*0x[1-9a-f]"
              "UninstallString.*Uninstall\.exe")
nsis_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Brimblet'
fresh_prefix all-users
wine "$installer" /S /AllUsers >&3 2>&3 </dev/null
wineserver -w
check_installed 'C:\Program Files\Brimblet' "$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brimblet" "$readme"
check_entry "HKLM\\$nsis_key" "${entry_values[@]}"
[ -f "$c/Program Files/Brimblet/Uninstall.exe" ] || fail "no uninstaller in Program Files\\Brimblet"
wine "$c/Program Files/Brimblet/Uninstall.exe" /S >&3 2>&3 </dev/null
wineserver -w   # the uninstaller copies itself elsewhere and returns at once
[ -z "$(ours)" ] || fail "left after uninstalling: $(ours | tr '\n' ' ')"

way=zip
mkdir "$work/unzipped"
(cd "$work/unzipped" && unzip -q "$zip")
for f in LICENSE.txt README.txt; do
    grep -q $'\r$' "$work/unzipped/$f" || fail "$f has no Windows line ends"
    [ "$(grep -c $'[^\r]$' "$work/unzipped/$f")" -eq 0 ] || fail "$f has lines without a Windows line end"
done
start_and_check "$work/unzipped" brimblet.exe

# Just for me: into the user's own folders, with nothing written for the whole machine.
fresh_prefix current-user
machine_wide >"$work/before"
wine "$installer" /S /CurrentUser >&3 2>&3 </dev/null
wineserver -w
local_programs=$(wine cmd /c echo '%LOCALAPPDATA%\Programs\Brimblet' 2>&3 </dev/null | tr -d '\r')
check_installed "$local_programs" "$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Brimblet" "$readme"
check_entry "HKCU\\$nsis_key" "${entry_values[@]}"
wineserver -w
machine_wide >"$work/after"
added=$(comm -13 "$work/before" "$work/after")
[ -z "$added" ] || fail "written for the whole machine: $added"
# As the list of installed programs removes it: its own command, silently.
uninstall=$(wine reg query "HKCU\\$nsis_key" /v QuietUninstallString 2>&3 </dev/null | tr -d '\r' |
            sed -n 's/.*REG_SZ *"\(.*\)" \(.*\)/\1|\2/p')
# shellcheck disable=SC2086  # the command's own switches, one word each
wine "${uninstall%%|*}" ${uninstall#*|} >&3 2>&3 </dev/null
wineserver -w
[ -z "$(ours)" ] || fail "left after uninstalling: $(ours | tr '\n' ' ')"

# The MSI, as an administrator deploys it: silently, per machine; then a newer build over it.
fresh_prefix msi
summary=$(msiinfo suminfo "$work/packages/old.msi")
for field in "Title: Installation Database" "Subject: Brimblet" "Author: The Brimblet developers" \
             "Template: Intel;1033"; do
    grep -qx "$field" <<<"$summary" || fail "the package's summary lacks '$field': $summary"
done
wine msiexec /i "$work/packages/old.msi" /qn >&3 2>&3 </dev/null || fail "msiexec /i ended with $?"
wineserver -w
# Windows puts a per-machine package's shortcut in the Start menu of all users; Wine's
# Windows Installer puts it in the installing user's.
msi_menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brimblet"
[ -d "$msi_menu" ] || msi_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Brimblet"
check_installed 'C:\Program Files\Brimblet' "$msi_menu" "$readme"
msi_entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>&3 </dev/null |
        tr -d '\r' | grep -cE 'DisplayName +REG_SZ +Brimblet$' || true
}
[ "$(msi_entries)" -eq 1 ] || fail "$(msi_entries) entries in the list of installed programs"

# A newer build: a higher version, and a read-me of its own to tell its files by.
newer=$(awk -F. '{print $1 "." $2 "." $3 + 1}' <<<"$version")
cp -r "$work/stage" "$work/stage-newer"
printf 'This is %s.\r\n' "$newer" >>"$work/stage-newer/README.txt"
"$root/scripts/make-msi.sh" "$work/stage-newer" "$newer" "$work/packages/new.msi"
old_code=$(msiinfo export "$work/packages/old.msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r')
new_code=$(msiinfo export "$work/packages/new.msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r')
[ "$old_code" != "$new_code" ] || fail "both builds have the product code $old_code"
wine msiexec /i "$work/packages/new.msi" /qn >&3 2>&3 </dev/null || fail "the upgrade ended with $?"
wineserver -w
check_installed 'C:\Program Files\Brimblet' "$msi_menu" "$work/stage-newer/README.txt" files
[ "$(msi_entries)" -eq 1 ] || fail "$(msi_entries) entries in the list of installed programs after the upgrade"
check_entry "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$new_code" \
    "DisplayName.*Brimblet" "DisplayVersion.*$newer" "Publisher.*The Brimblet developers"
# The list shows the icon that Windows Installer kept of the package.
icon=$(sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p' "$WINEPREFIX/system.reg" | sed 's/\\\\/\\/g')
[ -f "$(winepath -u "$icon" 2>&3)" ] || fail "no icon for the list of installed programs: '$icon'"
wine msiexec /x "$work/packages/new.msi" /qn >&3 2>&3 </dev/null || fail "msiexec /x ended with $?"
wineserver -w
# Windows Installer keeps its own copy of each package it installed, under its own name.
left=$(ours | grep -v '/windows/Installer/' || true)
[ -z "$left" ] || fail "left after removing: $(tr '\n' ' ' <<<"$left")"
[ "$(msi_entries)" -eq 0 ] || fail "the entry in the list of installed programs is left"
echo "PASS (windows release)"
