#!/usr/bin/env bash
# Runs the real brimblet.exe under Wine, from a folder of its pictures, drives it with xdotool
# as a player would and reads it back from outside: its windows' texts through a probe run in
# the same Wine prefix, its pixels from the X server.
# Usage: program.sh <scenario> <brimblet.exe> <probe.exe> <folder of the nine pictures> <wine-run.sh>
# Run by CTest from scripts/test-windows.sh, which provides the display, a window manager and
# the prefix's wineserver.
set -euo pipefail

scenario=$1
program=$2
probe_exe=$3
pictures=$4
wine_run=$5
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
app_pid=""
cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        "$wine_run" "$probe_exe" close Brimblet >/dev/null 2>&1 || true
        sleep 1
        kill "$app_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL (windows $scenario): $*" >&2
    [ -s "$work/program.log" ] && sed "s/^/  program: /" "$work/program.log" >&2
    probe | sed "s/^/  probe: /" >&2 || true
    exit 1
}

# shellcheck source=../support/x11.sh
source "$here/../support/x11.sh"

mkdir "$work/pictures"
cp "$pictures"/*.bmp "$work/pictures/"

start_program() {
    (cd "$work/pictures" && exec "$wine_run" "$program" >>"$work/program.log" 2>&1) &
    app_pid=$!
}

# shellcheck source=probe.sh
source "$here/probe.sh"

visible() { probe | grep -q "^window $1 "; }  # window class

main_window() { window_sized Brimblet 514x316; }

wait_for_main_window() {
    for _ in $(seq 300); do main_window >/dev/null && visible TForm1 && return 0; sleep 0.1; done
    fail "the main window did not come up"
}

wait_for_class() {  # window class
    for _ in $(seq 300); do visible "$1" && return 0; sleep 0.1; done
    fail "no $1 window came up"
}


# An error box: exactly one, before the main window, with the text, a stop icon and OK.
expect_one_report() {  # text
    wait_for_class '#32770'
    sleep 0.5
    local listing
    listing=$(probe)
    [ "$(grep -c '^window #32770 "Brimblet"' <<<"$listing")" -eq 1 ] || fail "not one error box"
    grep -q '^window TForm1' <<<"$listing" && fail "the main window showed before the report"
    grep -q "^  control [0-9-]* Static [0-9a-f]* \"$1\"\$" <<<"$listing" || fail "the box does not read '$1'"
    grep -q '^  control [0-9]* Button [0-9a-f]* "OK"$' <<<"$listing" || fail "the box has no OK button"
    grep -qE '^  control [0-9-]* Static [0-9a-f]*[3b] ""$' <<<"$listing" || fail "the box shows no icon"
    press_return_in "$(windows_named Brimblet | while read -r id; do [ "$(size_of "$id")" != 514x316 ] && echo "$id"; done | head -1)"
    wait_for_main_window
    sleep 0.5
    visible '#32770' && fail "a second error box came up"
    return 0
}

# The counters' colours: magenta (player 2) and green (player 1), by their middles.
is_magenta() { read -r r g b < <(pixel_at "$1" "$2" "$3"); [ "$r" -gt 150 ] && [ "$g" -lt 80 ] && [ "$b" -gt 150 ]; }
is_green() { read -r r g b < <(pixel_at "$1" "$2" "$3"); [ "$r" -lt 80 ] && [ "$g" -gt 120 ] && [ "$b" -lt 80 ]; }

close_main_window() { wmctrl -i -c "$1"; }

case "$scenario" in
startup)
    start_program
    wait_for_main_window
    sleep 0.5
    listing=$(probe)
    grep -q '^window #32770' <<<"$listing" && fail "an error box came up"
    grep -qE '^window TForm[23]' <<<"$listing" && fail "a name dialog is showing"
    read -r _ sw sh < <(grep '^screen' <<<"$listing")
    read -r x y w h < <(sed -n 's/^window TForm1 "Brimblet" at \([0-9-]*\) \([0-9-]*\) size \([0-9]*\) \([0-9]*\).*/\1 \2 \3 \4/p' <<<"$listing")
    [ "$x" -eq $(( (sw - w) / 2 )) ] && [ "$y" -eq $(( (sh - h) / 2 )) ] || fail "not centred: $w x $h at $x,$y on $sw x $sh"
    [ "$(awk '/^window TForm1/{m=1} m && $1=="focus"{print $2; exit}' <<<"$listing")" = 113 ] || fail "\"1 Player\" has not the focus"
    is_magenta "$(main_window)" $((16 + 5 + 8)) $((48 + 230 + 8)) || fail "no counter on square 1"
    close_main_window "$(main_window)"
    wait_for_exit
    ;;
missing-board)
    rm "$work/pictures/brimb.bmp"
    start_program
    expect_one_report "Cannot open file brimb.bmp."
    main=$(main_window)
    [ "$(text_of TForm1 108)$(text_of TForm1 109)" = 11 ] || fail "the read-outs are not 1 and 1"
    is_magenta "$main" $((16 + 5 + 8)) $((48 + 230 + 8)) && fail "a counter was drawn"
    read -r r g b < <(pixel_at "$main" $((16 + 5 + 8)) $((48 + 230 + 8)))
    [ "$b" -gt 150 ] && [ "$r" -lt 150 ] || fail "square 1 does not show the stored board ($r $g $b)"
    close_main_window "$main"
    wait_for_exit
    ;;
two-missing)
    rm "$work/pictures/d3.bmp" "$work/pictures/counter.bmp"
    start_program
    expect_one_report "Cannot open file counter.bmp."
    close_main_window "$(main_window)"
    wait_for_exit
    ;;
empty-d6)
    : >"$work/pictures/d6.bmp"
    start_program
    wait_for_main_window
    sleep 0.5
    visible '#32770' && fail "an error box came up"
    close_main_window "$(main_window)"
    wait_for_exit
    ;;
whole-game)
    before=$(cd "$work/pictures" && ls -l --time-style=+%s . && md5sum ./*)
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 332 168                # "1 Player"
    wait_for_class TForm2
    activate "$(windows_named "One Player Game" | head -1)"
    xdotool type --delay 30 "Ada"           # the name box has the focus, its text selected
    xdotool key Return
    sleep 0.5
    visible TForm2 && fail "Enter did not close the dialog"
    [ "$(text_of TForm1 104)" = "Adas position:" ] || fail "Label2 reads '$(text_of TForm1 104)'"
    [ "$(text_of TForm1 105)" = "Freds position:" ] || fail "Label3 reads '$(text_of TForm1 105)'"
    state="$work/referee.json"
    echo '{"p1": 1, "p2": 1}' >"$state"
    for click in $(seq 400); do
        if [ $((click % 2)) -eq 1 ]; then click_at "$main" 414 286; else click_at "$main" 340 281; fi
        listing=$(probe)
        log=$(text_in TForm1 112 <<<"$listing")
        xwd -silent -id "$main" >"$work/window.xwd"
        python3 "$here/referee.py" "$state" "$log" "$(text_in TForm1 108 <<<"$listing")" \
            "$(text_in TForm1 109 <<<"$listing")" \
            "$work/window.xwd" "$pictures" Ada || fail "click $click does not show what the rules predict"
        grep -q "wins!! Congratulations!" <<<"$log" && break
    done
    grep -q "wins!! Congratulations!" <<<"$log" || fail "no one won in 400 clicks"
    echo "won after $click clicks"
    close_main_window "$main"
    wait_for_exit
    after=$(cd "$work/pictures" && ls -l --time-style=+%s . && md5sum ./*)
    [ "$before" = "$after" ] || fail "the pictures' folder changed"
    ;;
dialog-above)
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 400 168                # "2 Players"
    wait_for_class TForm3
    dialog=$(windows_named "Two Player Game")
    click_at "$main" 100 100                # on the board
    sleep 0.3
    is_above "$dialog" "$main" || fail "the dialog fell below the main window"
    close_main_window "$main"
    wait_for_exit
    ;;
dialog-moved)
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 332 168                # "1 Player"
    wait_for_class TForm2
    dialog=$(windows_named "One Player Game")
    xdotool windowmove --sync "$dialog" 40 50
    sleep 0.5
    left_at=$(xwininfo -id "$dialog" | grep 'Absolute upper-left' | tr -s ' ')
    click_at "$dialog" 108 40               # "Cancel"
    visible TForm2 && fail "Cancel did not hide the dialog"
    click_at "$main" 332 168
    wait_for_class TForm2
    sleep 0.5
    [ "$(xwininfo -id "$dialog" | grep 'Absolute upper-left' | tr -s ' ')" = "$left_at" ] ||
        fail "the dialog did not come back where it was left"
    close_main_window "$main"
    wait_for_exit
    ;;
close-with-dialog)
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 332 168
    wait_for_class TForm2
    xdotool windowmove --sync "$(windows_named "One Player Game")" 0 0   # off the buttons
    click_at "$main" 400 168                # both dialogs open
    wait_for_class TForm3
    "$wine_run" "$probe_exe" close "One Player Game" >/dev/null 2>&1 || fail "no dialog to close"
    sleep 0.5
    visible TForm2 && fail "the close box did not hide the dialog"
    kill -0 "$app_pid" 2>/dev/null || fail "closing a dialog ended the program"
    "$wine_run" "$probe_exe" close Brimblet >/dev/null 2>&1   # a close request from outside
    wait_for_exit
    ;;
double-click)
    # Two players, so that each throw is one click's; after "Restart" both counters stand on
    # square 1 and only two throws move both.
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 400 168                # "2 Players"
    wait_for_class TForm3
    for target in "340 281 caption" "414 286 die"; do
        read -r x y what <<<"$target"
        click_at "$main" 464 168            # "Restart"
        double_click_at "$main" "$x" "$y"
        listing=$(probe)
        log=$(text_in TForm1 112 <<<"$listing")
        [[ $log == "Player1 scored a : "*"Player2 scored a : "[1-6]* ]] ||
            fail "a double click on the $what did not throw twice: $log"
        [ "$(text_in TForm1 108 <<<"$listing")" != 1 ] && [ "$(text_in TForm1 109 <<<"$listing")" != 1 ] ||
            fail "a double click on the $what left a read-out at 1"
        square_one_empty "$main" || fail "a double click on the $what left a counter on square 1"
    done
    close_main_window "$main"
    wait_for_exit
    ;;
accessible)
    # Read as a screen reader reads it, from another program through the accessibility
    # interface: the die and its caption are "Throw Die" buttons with "Press" as their
    # default action, the board a graphic, each name box named by its label.
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 400 168                # "2 Players": its dialog shows both name boxes
    wait_for_class TForm3
    xdotool windowmove --sync "$(windows_named "Two Player Game")" 0 0   # off the buttons
    click_at "$main" 332 168                # "1 Player", back to one player
    wait_for_class TForm2
    readout=$("$wine_run" "$probe_exe" accessible 2>/dev/null | tr -d '\r')
    echo "$readout" | grep -E '^window|accessible (10[2-7]|11[0-5]|20[1-4]) '
    expect_accessible() {  # window class, control id, role, name, action[, shortcut]
        awk -v cls="$1" -v id="$2" '/^window /{m = ($2 == cls)} m && $1 == "accessible" && $2 == id' <<<"$readout" |
            grep -qxF "  accessible $2 role $3 name \"$4\" action \"$5\" shortcut \"${6:-}\"" ||
            fail "control $2 of $1 does not read as role $3, \"$4\", \"$5\", \"${6:-}\": $(grep "accessible $2 " <<<"$readout")"
    }
    expect_accessible TForm1 107 43 "Throw Die" "Press" "T"   # the die, a push button; T throws
    expect_accessible TForm1 106 43 "Throw Die" "Press" "T"   # its caption
    expect_accessible TForm1 102 40 "Board" ""                # a graphic
    expect_accessible TForm2 202 42 "Please enter your name: " ""
    expect_accessible TForm3 203 42 "Please enter player1's name: " ""
    expect_accessible TForm3 204 42 "Please enter player2's name: " ""
    # What already says itself keeps its text as its name.
    expect_accessible TForm1 113 10 "1 Player" ""
    awk '/^window /{m = ($2 == "TForm1")} m' <<<"$readout" | grep -q 'accessible 108 role [0-9]* name "1"' ||
        fail "the read-out lost its name"
    # Pressed by its default action, the die throws as a click does: player 1 and Fred.
    "$wine_run" "$probe_exe" press 107 Brimblet >/dev/null 2>&1 || fail "the die could not be pressed"
    sleep 0.5
    listing=$(probe)
    log=$(text_in TForm1 112 <<<"$listing")
    [[ $log == "Player1 scored a : "*"Fred scored a : "[1-6]* ]] || fail "pressing the die did not throw: $log"
    [ "$(text_in TForm1 108 <<<"$listing")" != 1 ] && [ "$(text_in TForm1 109 <<<"$listing")" != 1 ] ||
        fail "pressing the die left a read-out at 1"
    # A throw shows in the log and the read-outs together: the log alone can read as before,
    # since each of player 1's throws starts it again and may score what the last one did.
    turn() { listing=$(probe); printf '%s|' "$(text_in TForm1 112 <<<"$listing")" \
        "$(text_in TForm1 108 <<<"$listing")" "$(text_in TForm1 109 <<<"$listing")"; }
    before=$(turn)
    "$wine_run" "$probe_exe" press 106 Brimblet >/dev/null 2>&1 || fail "the caption could not be pressed"
    sleep 0.5
    [ "$(turn)" != "$before" ] || fail "pressing the caption did not throw"
    # The key T, typed in the main window, throws as well.
    before=$(turn)
    activate "$main"
    xdotool key t
    for _ in $(seq 50); do [ "$(turn)" != "$before" ] && break; sleep 0.1; done
    [ "$(turn)" != "$before" ] || fail "the key T did not throw"
    close_main_window "$main"
    wait_for_exit
    ;;
right-to-left)
    # In Arabic each window is its design's mirror image, held to the layout record mirrored;
    # a Latin name keeps its order in the label and the log, as a screen reader reads it and as
    # drawn; and after a throw the board, its counters and the die show the very pixels of their
    # pictures, unmirrored, in mirrored places. Each of the language's texts reads from the
    # right, as a right-to-left isolate, its places isolates within it.
    export LANG=ar_EG.UTF-8 LC_NUMERIC=C LOCPATH=${wine_run%/*}/locales
    isolate() { printf '\u2067%s\u2069' "$1"; }
    one=$(isolate "لعبة للاعب واحد") two=$(isolate "لعبة للاعبَين") name="Ann-Mari 2"
    mirrored() { echo $((514 - $1)) "$2"; }
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" $(mirrored 332 168)    # "1 Player", its window moved aside
    wait_for_window "$one"
    xdotool windowmove "$(windows_named "$one" | head -1)" 0 0
    click_at "$main" $(mirrored 400 168)    # "2 Players"
    wait_for_class TForm3
    "$wine_run" "$probe_exe" layout ar 2>/dev/null | tr -d '\r' |
        python3 "$here/../support/layout_record.py" "$here/../data/layout.txt" --probe --mirrored ||
        fail "the windows are not the mirror image of the layout record"
    for dialog in $(windows_named "$two") $(windows_named "$one"); do wmctrl -i -c "$dialog"; done
    for _ in 1 2 3; do  # the main window active again first; a click that only activates it is made again
        activate "$main"
        click_at "$main" $(mirrored 332 168)
        for _ in $(seq 30); do [ -n "$(windows_named "$one")" ] && break; sleep 0.1; done
        [ -n "$(windows_named "$one")" ] && break
    done
    wait_for_window "$one"
    activate "$(windows_named "$one" | head -1)"
    xdotool type --delay 30 "$name"
    xdotool key Return
    sleep 0.5
    [ "$(text_of TForm1 104)" = "$(isolate $'مربع \u2068'"$name"$'\u2069:')" ] || fail "Label2 reads '$(text_of TForm1 104)'"
    "$wine_run" "$probe_exe" accessible 2>/dev/null | tr -d '\r' | grep -q "accessible 104 role [0-9]* name \".*$name" ||
        fail "a screen reader does not read the name in Label2"
    click_at "$main" $(mirrored 414 286)    # the die
    sleep 0.5
    listing=$(probe)
    text() { text_in TForm1 "$1" <<<"$listing"; }
    grep -qF "$name" <<<"$(text 112)" || fail "the log does not hold the name: $(text 112)"
    face=$(text 112 | sed 's/\\n/\n/g' | grep Fred | head -1 | grep -o '[1-6]' | tail -1) || fail "no throw: $(text 112)"
    xwd -silent -id "$main" >"$work/thrown.xwd"
    python3 "$here/scaled_pictures.py" "$work/thrown.xwd" "$pictures" 1 "$(text 108)" "$(text 109)" "$face" mirrored ||
        fail "after a throw to squares $(text 108) and $(text 109), die $face: $(text 112)"
    for shown in "104 ff0000 0 196 514 225 Label2" "112 ffffff 0 6 260 155 log"; do
        read -r id colour region <<<"$shown"
        "$wine_run" "$probe_exe" draw ar "$id" "$colour" "$name" 2>/dev/null | tr -d '\r' |
            python3 "$here/shows_text.py" "$work/thrown.xwd" ${region% *} || fail "the ${region##* } does not show $name in order"
    done
    close_main_window "$main"
    wait_for_exit
    ;;
alt-f4)
    start_program
    wait_for_main_window
    main=$(main_window)
    activate "$main"
    xdotool key alt+F4
    wait_for_exit
    ;;
*)
    fail "unknown scenario"
    ;;
esac
echo "PASS (windows $scenario)"
