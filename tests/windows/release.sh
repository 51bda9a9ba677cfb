#!/usr/bin/env bash
# The Windows release as a player meets it, in parts, each in fresh Wine prefixes of its own:
#   packages   the zip, the installer and the MSI made from the shipped (32-bit) build, and
#              what can be read of them without running them: the zip's listing and its text
#              files' line ends, the installer's manifest, the MSI's summary and tables;
#   installer  the installer run silently, for everyone and just for me: the files where they
#              belong, the Start-menu shortcut's target and working folder, the installed game
#              started as the shortcut starts it, with no error box, the entry in the list of
#              installed programs, and the uninstaller leaving nothing of ours;
#   msi        the MSI installed per machine, the newer one over it, then removed;
#   zip        the zip unpacked into an empty folder and the game started there.
# Where the tests run no 32-bit program (BRIMBLET_NO_32_BIT_REASON), the installer and the zip
# parts are skipped with exit status 77, and the msi part starts no game: all three are 32-bit.
# Usage: release.sh <part> <shipped build folder> <probe.exe> <packages folder>
# Run by CTest from scripts/test-windows.sh, which provides the display and a window manager.
set -euo pipefail

part=$1
build=$(cd "$2" && pwd)
probe_exe=$3
packages=$4
here=$(cd "$(dirname "$0")" && pwd)
no_32_bit=${BRIMBLET_NO_32_BIT_REASON:-}
if [ -n "$no_32_bit" ] && [[ $part == installer || $part == zip ]]; then
    echo "SKIP (windows release, $part): the shipped program and its installer are 32-bit, and $no_32_bit"
    exit 77
fi
work=$(mktemp -d)
# Prefixes of its own only: the suite's prefix and its server, which the tests beside this one
# use, are never touched (`wineserver -k` below stops the server of WINEPREFIX).
export WINEPREFIX="$work/prefix"

export WINEDEBUG=-all
# No menu entries on the Linux side for the shortcuts the installers make (winemenubuilder).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine's programs write nothing to CTest's pipes, or CTest would wait for them.
exec 3>"$work/wine.log"

app_pid=""
way=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL (windows release, $way): $*" >&2
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

# A prefix for each way, a copy of one made afresh (0.3 s where making one takes 15).
fresh_prefix() {
    wineserver -k >/dev/null 2>&1 || true
    [ -d "$work/prefix" ] || { WINEPREFIX="$work/prefix" wineboot --init >&3 2>&3 </dev/null &&
                               WINEPREFIX="$work/prefix" wineserver -w; }
    export WINEPREFIX="$work/prefix-$way"
    cp -a "$work/prefix" "$WINEPREFIX"
    c="$WINEPREFIX/drive_c"
}

# The whole machine's folders and HKLM; anything of ours but Windows Installer's own copies.
machine_wide() { (cd "$c" && find "Program Files" ProgramData | sort) && grep -o '^\[[^]]*\]' "$WINEPREFIX/system.reg" | sort; }
ours() { find "$c" -iname '*brimblet*' ! -path '*/windows/Installer/*'; grep -i brimblet "$WINEPREFIX"/*.reg || true; }

# The files, the shortcut, the entry and the game started as the shortcut starts it (where
# a 32-bit program runs).
check_install() {  # Windows folder, Start-menu folder under drive_c, the entry's key, read-me, its values...
    local unix shortcut target folder entry f value
    unix=$(winepath -u "$1" 2>&3)
    for f in $files; do
        [ -f "$unix/$f" ] || fail "not installed: $1\\$f"
    done
    cmp -s "$unix/brimblet.exe" "$build/src/windows/brimblet.exe" && cmp -s "$unix/README.txt" "$4" || fail "not this build's files"
    shortcut=$(python3 "$here/shortcut.py" "$c/$2/Brimblet.lnk" | tr -d '\0') || fail "no Start-menu shortcut in $2"
    { read -r _ target && read -r _ folder; } <<<"$shortcut"
    folder=${folder%\\}  # Windows Installer ends a folder with a backslash
    [ "${target,,}" = "${1,,}\\brimblet.exe" ] && [ "${folder,,}" = "${1,,}" ] || fail "the shortcut starts '$target' in '$folder'"
    entry=$(wine reg query "$3" 2>&3 </dev/null | tr -d '\r')
    for value in "${@:5}"; do grep -qE "$value" <<<"$entry" || fail "the list of installed programs lacks $value: $entry"; done
    [ -n "$no_32_bit" ] || start_and_check "$unix" "$target"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
newer=$(awk -F. '{print $1 "." $2 "." $3 + 1}' <<<"$version")
if [ "$part" = packages ]; then
    # The MSIs of this build and of one a version higher, with a read-me of its own.
    rm -rf "$packages" && mkdir -p "$packages"
    (cd "$build" && cpack -G "ZIP;NSIS" -B "$packages" >/dev/null)
    cmake --install "$build" --prefix "$packages/$version" >/dev/null
    cp -r "$packages/$version" "$packages/$newer" && printf 'This is %s.\r\n' "$newer" >>"$packages/$newer/README.txt"
    for v in "$version" "$newer"; do "$here/../../scripts/make-msi.sh" "$packages/$v" "$v" "$packages/$v.msi"; done
fi
installer=$(ls "$packages"/brimblet-*-win32.exe)
zip=$(ls "$packages"/brimblet-*-win32.zip)
files="brimblet.exe brimb.bmp counter.bmp counter2.bmp d1.bmp d2.bmp d3.bmp d4.bmp d5.bmp d6.bmp LICENSE.txt README.txt"

if [ "$part" = packages ]; then
    echo "installer $(stat -c %s "$installer") bytes, zip $(stat -c %s "$zip") bytes, msi $(stat -c %s "$packages/$version.msi") bytes"
    way=zip
    [ "$(unzip -Z1 "$zip" | sort)" = "$(tr ' ' '\n' <<<"$files" | sort)" ] || fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
    mkdir "$work/unzipped"
    (cd "$work/unzipped" && unzip -q "$zip")
    cmp -s "$work/unzipped/brimblet.exe" "$build/src/windows/brimblet.exe" || fail "not this build's program"
    for f in LICENSE.txt README.txt; do
        grep -q $'\r$' "$work/unzipped/$f" || fail "$f has no Windows line ends"
        [ "$(grep -c $'[^\r]$' "$work/unzipped/$f")" -eq 0 ] || fail "$f has lines without a Windows line end"
    done
    way=installer
    python3 "$here/manifest.py" --installer "$installer" || fail "the installer asks for elevation"
    way=msi
    for field in "Title: Installation Database" "Subject: Brimblet" "Author: The Brimblet developers" "Template: Intel;1033"; do
        msiinfo suminfo "$packages/$version.msi" | grep -qx "$field" || fail "the package's summary lacks '$field'"
    done
    in_msi=$(msiinfo export "$packages/$version.msi" File | tail -n +4 | cut -f3 | sed 's/.*|//' | sort)
    [ "$in_msi" = "$(tr ' ' '\n' <<<"$files" | sort)" ] || fail "the package's files: $(tr '\n' ' ' <<<"$in_msi")"
    msiinfo export "$packages/$version.msi" Shortcut | grep -q 'Brimblet' || fail "the package has no Start-menu shortcut"
    echo "PASS (windows release, packages)"
    exit 0
fi

key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
menu='Microsoft/Windows/Start Menu/Programs/Brimblet'
own_menu="users/$(id -un)/AppData/Roaming/$menu"
case "$part" in
installer)
    for way in AllUsers CurrentUser; do
        fresh_prefix
        machine_wide >"$work/before"
        wine "$installer" /S /$way >&3 2>&3 </dev/null
        wineserver -w
        root=HKLM folder='C:\Program Files\Brimblet' in_menu="ProgramData/$menu"
        [ $way = AllUsers ] || root=HKCU in_menu=$own_menu \
            folder=$(wine cmd /c echo '%LOCALAPPDATA%\Programs\Brimblet' 2>&3 </dev/null | tr -d '\r')
        check_install "$folder" "$in_menu" "$root\\$key\\Brimblet" "$packages/$version/README.txt" "DisplayName.*Brimblet" \
            "DisplayVersion.*$version" "Publisher.*The Brimblet developers" "DisplayIcon.*brimblet\.exe" \
            "EstimatedSize.*REG_DWORD.*0x[1-9a-f]" "UninstallString.*Uninstall\.exe"
        wineserver -w
        added=$(comm -13 "$work/before" <(machine_wide))
        [ $way = AllUsers ] || [ -z "$added" ] || fail "written for the whole machine: $added"
        # As the list of installed programs removes it: its own command, silently.
        uninstall=$(wine reg query "$root\\$key\\Brimblet" /v QuietUninstallString 2>&3 </dev/null | tr -d '\r' |
                    sed -n 's/.*REG_SZ *"\(.*\)" \(.*\)/\1|\2/p')
        # shellcheck disable=SC2086  # the command's own switches, one word each
        wine "${uninstall%%|*}" ${uninstall#*|} >&3 2>&3 </dev/null || fail "'$uninstall' did not run"
        wineserver -w  # the uninstaller copies itself elsewhere and returns at once
        [ -z "$(ours)" ] || fail "left after uninstalling: $(ours | tr '\n' ' ')"
    done
    ;;
msi)
    # As an administrator deploys it: silently, per machine; then the newer build over it.
    # A 64-bit Windows keeps a 32-bit package's folder and entry apart from its own.
    way=msi
    fresh_prefix
    program_files='C:\Program Files'
    if [ -n "$no_32_bit" ]; then
        program_files='C:\Program Files (x86)'
        key="Software\\Wow6432Node\\${key#Software\\}"
    fi
    entries() { wine reg query "HKLM\\$key" /s 2>&3 </dev/null | tr -d '\r' | grep -cE 'DisplayName +REG_SZ +Brimblet$' || true; }
    for v in "$version" "$newer"; do
        wine msiexec /i "$packages/$v.msi" /qn >&3 2>&3 </dev/null || fail "msiexec /i $v.msi ended with $?"
        wineserver -w
        # Windows puts a per-machine package's shortcut in all users' Start menu, Wine in the user's.
        in_menu="ProgramData/$menu" && [ -d "$c/$in_menu" ] || in_menu=$own_menu
        code=$(msiinfo export "$packages/$v.msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r')
        check_install "$program_files\\Brimblet" "$in_menu" "HKLM\\$key\\$code" "$packages/$v/README.txt" \
            "DisplayName.*Brimblet" "DisplayVersion.*$v" "Publisher.*The Brimblet developers"
        [ "$(entries)" -eq 1 ] || fail "$(entries) entries in the list of installed programs after $v.msi"
    done
    # The list shows the icon that Windows Installer kept of the package.
    icon=$(sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p' "$WINEPREFIX/system.reg" | sed 's/\\\\/\\/g')
    [ -f "$(winepath -u "$icon" 2>&3)" ] || fail "no icon for the list of installed programs: '$icon'"
    wineserver -w  # the game ended, its prefix's programs with it
    wine msiexec /x "$packages/$newer.msi" /qn >&3 2>&3 </dev/null || fail "msiexec /x ended with $?"
    wineserver -w
    [ -z "$(ours)" ] && [ "$(entries)" -eq 0 ] || fail "left after removing: $(ours | tr '\n' ' ')"
    [ -z "$no_32_bit" ] || echo "The installed game was not started: it is 32-bit, and $no_32_bit."
    ;;
zip)
    way=zip
    mkdir "$work/unzipped"
    (cd "$work/unzipped" && unzip -q "$zip")
    start_and_check "$work/unzipped" brimblet.exe
    ;;
*) echo "release.sh: no part '$part'" >&2; exit 2 ;;
esac
echo "PASS (windows release, $part)"
