#!/usr/bin/env bash
# The real brimblet.exe at the display scales Windows players use: with the prefix's DPI
# (LogPixels) set to 96, 120, 144 and 192, the program opens centred with its client area at
# the scaled size and every control at its 96-dpi place and size times the scale; the windows'
# own test (DisplayScale.*) checks the same from inside, fonts and the fit of every text
# included. At 192 the pictures must be pixel-doubled, and a throw must land the counters on
# their squares at that scale.
# Usage: dpi.sh <brimblet.exe> <probe.exe> <windows tests .exe> <pictures> <wine-run.sh> <out dir>
# Wine reads LogPixels when its server starts: each scale restarts the prefix's server, and
# the end restores 96 and a server for the tests after this one. On a display of its own, as
# large as a 192-dpi screen.
set -euo pipefail

program=$1 probe_exe=$2 tests_exe=$3 pictures=$4 wine_run=$5 out=$6
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX
WINEPREFIX=$(sed -n 's/^export WINEPREFIX="\(.*\)"$/\1/p' "$wine_run")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
suite_display=$DISPLAY

work=$(mktemp -d)
app_pid="" xvfb_pid="" wm_pid=""
restart_server() {  # dpi
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    wineserver -p 600 >/dev/null 2>&1 </dev/null || true
    wineboot >/dev/null 2>&1 </dev/null
}
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    DISPLAY=$suite_display restart_server 96
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL (windows dpi $dpi): $*" >&2; exit 1; }
# shellcheck source=../support/x11.sh
source "$here/../support/x11.sh"
# shellcheck source=probe.sh
source "$here/probe.sh"

start_display 2560x1600
mkdir "$work/pictures" "$out" -p
cp "$pictures"/*.bmp "$work/pictures/"

scaled() { echo $(( ($1 * dpi + 48) / 96 )); }  # as MulDiv rounds a positive length
layout() { "$wine_run" "$probe_exe" layout 2>/dev/null | tr -d '\r'; }
# Labels that take the width of their text: the title, the caption and the read-outs.
fitted=" 103 106 108 109 "

for dpi in 96 120 144 192; do
    restart_server "$dpi"
    "$wine_run" "$tests_exe" --gtest_filter='DisplayScale.*' >"$work/inside.log" 2>&1 ||
        { cat "$work/inside.log" >&2; fail "the windows' own test failed"; }
    grep -q "display: $dpi dots per inch" "$work/inside.log" || fail "the program does not see $dpi"

    size="$(scaled 514) $(scaled 316)"
    for _ in 1 2; do  # a start that shows no window in time (Wine busy) is made again
        (cd "$work/pictures" && exec "$wine_run" "$program" >/dev/null 2>&1) &
        app_pid=$!
        for _ in $(seq 300); do
            layout | grep -q "^window TForm1 \"Brimblet\" client $size\$" && break 2
            sleep 0.1
        done
        kill "$app_pid" 2>/dev/null || true
        restart_server "$dpi"
    done
    listing=$(layout)
    grep -q "^dpi $dpi\$" <<<"$listing" || fail "the display is not at $dpi"
    grep -q "^window TForm1 \"Brimblet\" client $size\$" <<<"$listing" ||
        fail "no main window with a client area of $size: $(grep '^window' <<<"$listing")"
    places=$(awk '/^window /{main = ($2 == "TForm1")} main && $1 == "place" {print $2, $4, $5, $6, $7}' <<<"$listing")
    if [ "$dpi" = 96 ]; then
        design=$places
    else
        while read -r id x y w h; do
            read -r _ dx dy dw dh < <(grep "^$id " <<<"$design")
            want="$(scaled "$dx") $(scaled "$dy") $(scaled "$dh")"
            [ "$x $y $h" = "$want" ] || fail "control $id at $x $y height $h, not $want"
            # A label that fits its text is measured in its font at this size, not scaled.
            [[ $fitted == *" $id "* ]] || [ "$w" = "$(scaled "$dw")" ] ||
                fail "control $id is $w wide, not $(scaled "$dw")"
            [ $(( x + w )) -le "${size% *}" ] && [ $(( y + h )) -le "${size#* }" ] ||
                fail "control $id reaches outside the client area"
        done <<<"$places"
    fi
    main=$(window_sized Brimblet "${size// /x}") || fail "no X window of the client's size"
    listing=$(probe)
    read -r _ sw sh < <(grep '^screen' <<<"$listing")
    read -r x y w h < <(sed -n 's/^window TForm1 "Brimblet" at \([0-9-]*\) \([0-9-]*\) size \([0-9]*\) \([0-9]*\).*/\1 \2 \3 \4/p' <<<"$listing")
    [ "$x" -eq $(( (sw - w) / 2 )) ] && [ "$y" -eq $(( (sh - h) / 2 )) ] ||
        fail "not centred: $w x $h at $x,$y on $sw x $sh"
    sleep 0.5
    xwd -silent -id "$main" >"$work/start.xwd"
    cp "$work/start.xwd" "$out/brimblet-$dpi-dpi.xwd"
    if [ "$dpi" = 192 ]; then
        python3 "$here/scaled_pictures.py" "$work/start.xwd" "$pictures" 2 1 1 1 ||
            fail "the pictures are not pixel-doubled"
        click_at "$main" $(( 464 * 2 )) $(( 168 * 2 ))   # "Restart": one player against Fred
        click_at "$main" $(( 414 * 2 )) $(( 286 * 2 ))   # the die
        sleep 0.5
        listing=$(probe)
        text() { text_in TForm1 "$1" <<<"$listing"; }
        face=$(text 112 | sed -n 's/.*Fred scored a : \([1-6]\).*/\1/p')
        [ -n "$face" ] || fail "no throw in the log: $(text 112)"
        xwd -silent -id "$main" >"$work/thrown.xwd"
        cp "$work/thrown.xwd" "$out/brimblet-$dpi-dpi-after-a-throw.xwd"
        python3 "$here/scaled_pictures.py" "$work/thrown.xwd" "$pictures" 2 "$(text 108)" "$(text 109)" "$face" ||
            fail "after a throw to squares $(text 108) and $(text 109)"
    fi
    if [ "$dpi" = 96 ]; then  # the three windows against the layout record every build is held to
        click_at "$main" 332 168   # "1 Player"; its window, centred over the main one, moved aside
        wait_for_window "One Player Game"
        xdotool windowmove "$(windows_named "One Player Game" | head -1)" 0 0
        sleep 0.3
        click_at "$main" 400 168   # "2 Players"
        wait_for_window "Two Player Game"
        layout | python3 "$here/../support/layout_record.py" "$here/../data/layout.txt" --probe ||
            fail "the windows differ from the layout record"
    fi
    "$wine_run" "$probe_exe" close Brimblet >/dev/null 2>&1 || true
    wait_for_exit
    echo "$dpi dpi: client area $size, every control scaled, centred"
done
echo "PASS (windows dpi)"
