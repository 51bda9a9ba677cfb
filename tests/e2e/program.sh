#!/usr/bin/env bash
# Runs the real program in an X server with a window manager and checks what a player sees.
# Usage: program.sh <scenario> <brimblet executable> <folder of the nine pictures>
#        program.sh desktop-entry <installed .desktop file>
#        program.sh terminal <command typed in a terminal>
# Run under xvfb-run (CTest does); needs openbox, wmctrl, xdotool, xprop, xwd and
# dbus-run-session.
set -euo pipefail

scenario=$1
program=$(readlink -f "$2" || echo "$2")
pictures=$(readlink -f "${3:-.}")

work=$(mktemp -d)
app_pid=""
wm_pid=""
# A process and everything it started (the program runs below its own bus's launcher).
kill_tree() {
    local child
    for child in $(pgrep -P "$1"); do kill_tree "$child"; done
    kill "$1" 2>/dev/null || true
}
cleanup() {
    [ -n "$app_pid" ] && kill_tree "$app_pid"
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    trap - ERR
    echo "FAIL ($scenario): $*" >&2
    [ -s "$work/program.log" ] && sed "s/^/  program: /" "$work/program.log" >&2
    for id in $(xdotool search --name . 2>/dev/null); do
        echo "  window: $(xdotool getwindowname "$id") $(xwininfo -id "$id" | grep -E "Map State|geometry" | tr -s " " | tr "\n" " ")" >&2
    done
    exit 1
}

# shellcheck source=../support/x11.sh
source "$(dirname "$0")/../support/x11.sh"
# A step that fails where nothing checks it says which, rather than ending the test in silence.
set -E
trap 'fail "line $LINENO: $BASH_COMMAND"' ERR

export XDG_RUNTIME_DIR="$work/xdg"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$work/config"

start_window_manager || fail "no window manager"

case "$scenario" in desktop-entry|terminal) ;; *) cp "$pictures"/*.bmp "$work/" ;; esac

# Each program runs under a session bus of its own, started for it and ended with it, so
# that nothing it starts (the accessibility bus, say) outlives it, whether or not the machine
# has a session bus of its own or can launch one.
start_program() {  # [wrapper...]
    (cd "$work" && exec dbus-run-session -- "$@" "$program" >>"$work/program.log" 2>&1) &
    app_pid=$!
}

# Clicks the close box in the window manager's frame around a window.
click_close_box() {
    local id=$1 w h left right top
    IFS=x read -r w h < <(size_of "$id")
    read -r left right top _ < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    # The close button is the rightmost one in the title bar, above the client area.
    xdotool mousemove --window "$id" $(( w + right - 10 )) $(( -top / 2 ))
    sleep 0.2
    xdotool click 1
}

play_a_little() {  # main window
    click_at "$1" 332 168                          # "1 Player"
    wait_for_window "One Player Game"
    activate "$(windows_named "One Player Game" | head -1)"
    xdotool type --delay 20 "Ada"
    xdotool key Return
    for _ in 1 2 3 4 5; do click_at "$1" 414 286; done
    click_at "$1" 464 168                          # "Restart"
    click_at "$1" 400 168                          # "2 Players"
    wait_for_window "Two Player Game"
    click_at "$1" 350 286                          # the caption "Throw Die"
}

position_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9,-]*\).*/\1/p'; }

main_window() { window_sized Brimblet 514x316; }

wait_for_main_window() {
    for _ in $(seq 300); do main_window >/dev/null && return 0; sleep 0.1; done
    fail "the main window did not come up"
}

# Player 2's magenta counter lies on square 1 of the board, over player 1's.
check_counters_drawn() {  # main window
    local r g b
    read -r r g b < <(pixel_at "$1" $((16 + 5 + 8)) $((48 + 230 + 8)))
    [ "$r" -gt 150 ] && [ "$g" -lt 80 ] && [ "$b" -gt 150 ] ||
        fail "no counter on square 1 (pixel $r $g $b)"
}


screen_size() { xdotool getdisplaygeometry; }

# The outer window, frame included, is centred on the screen (given a moment to settle).
check_centred() {  # window width height
    for _ in $(seq 30); do centred "$@" 2>/dev/null && return 0; sleep 0.1; done
    centred "$@"
}
centred() {
    local sw sh x y left right top bottom fw fh dx dy
    read -r sw sh < <(screen_size)
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    fw=$(( $2 + left + right )); fh=$(( $3 + top + bottom ))
    dx=$(( x - left - (sw - fw) / 2 )); dy=$(( y - top - (sh - fh) / 2 ))
    # Within a pixel across; down, within the title bar, which some window managers draw only
    # after the first paint, when the window has been placed already.
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 12 ] && return 0
    echo "not centred: frame ${fw}x${fh} at $((x - left)),$((y - top)) on ${sw}x${sh}" >&2
    return 1
}

case "$scenario" in
startup)
    start_program
    wait_for_main_window
    sleep 0.5
    [ "$(windows_named Brimblet | wc -l)" -eq 1 ] || fail "a message box came up"
    [ -z "$(windows_named 'One Player Game')$(windows_named 'Two Player Game')" ] || fail "a dialog is showing"
    check_centred "$(main_window)" 514 316 || fail "the main window is not centred"
    check_counters_drawn "$(main_window)"
    # Qt's own BMP and PNG readers read every picture: no image plugin is loaded to find them.
    game=$(pgrep -n -x "$(basename "$program")") || fail "the program's process is not found"
    if grep -q "/imageformats/" "/proc/$game/maps"; then
        fail "an image plugin was loaded: $(grep -o '[^/]*imageformats/[^ ]*' "/proc/$game/maps" | sort -u | xargs)"
    fi
    main=$(main_window)
    wmctrl -i -c "$main"
    wait_for_exit
    ;;
dialog)
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 332 168          # "1 Player"
    wait_for_window "One Player Game"
    dialog=$(windows_named "One Player Game")
    sleep 0.3
    check_centred "$dialog" 323 57 || fail "the dialog is not centred"
    is_above "$dialog" "$main" || fail "the dialog is not above the main window"
    before=$(snapshot "$main")
    click_at "$main" 414 286          # the die, with the dialog still open
    [ "$(snapshot "$main")" != "$before" ] || fail "the die click did nothing while the dialog was open"
    [ -n "$(windows_named 'One Player Game')" ] || fail "the dialog went away"
    is_above "$dialog" "$main" || fail "the dialog fell below the main window after a click on it"
    # Dragged, cancelled and shown again, the dialog comes back where it was left.
    xdotool windowmove --sync "$dialog" 40 50
    sleep 0.3
    left_at=$(xwininfo -id "$dialog" | grep -E 'Absolute upper-left' | tr -s ' ')
    click_at "$dialog" 108 40         # "Cancel"
    [ -z "$(windows_named 'One Player Game')" ] || fail "Cancel did not hide the dialog"
    click_at "$main" 332 168          # "1 Player" again
    wait_for_window "One Player Game"
    sleep 0.3
    [ "$(xwininfo -id "$dialog" | grep -E 'Absolute upper-left' | tr -s ' ')" = "$left_at" ] \
        || fail "the dialog did not come back where it was left"
    wmctrl -i -c "$main"              # ends the program, dialog open or not
    wait_for_exit
    ;;
missing-board)
    rm "$work/brimb.bmp"
    start_program
    wait_for_window Brimblet
    sleep 0.5
    box=$(windows_named Brimblet)
    [ "$(echo "$box" | wc -l)" -eq 1 ] || fail "more than one window before OK"
    [ "$(size_of "$box")" != "514x316" ] || fail "the main window came up before the report"
    press_return_in "$box"
    wait_for_main_window
    [ "$(windows_named Brimblet | wc -l)" -eq 1 ] || fail "a second report came up"
    wmctrl -i -c "$(main_window)"
    wait_for_exit
    ;;
double-click)
    # Two players, so that each throw is one click's; after "Restart" both counters stand on
    # square 1 and only two throws move both.
    start_program
    wait_for_main_window
    main=$(main_window)
    click_at "$main" 400 168                       # "2 Players"
    wait_for_window "Two Player Game"
    for target in "340 281 caption" "414 286 die"; do
        read -r x y what <<<"$target"
        click_at "$main" 464 168                   # "Restart"
        square_one_empty "$main" && fail "Restart left square 1 empty"
        double_click_at "$main" "$x" "$y"
        square_one_empty "$main" || fail "a double click on the $what did not throw twice"
    done
    wmctrl -i -c "$main"
    wait_for_exit
    ;;
no-writes)
    # A whole session under strace: no file may be opened for writing or created.
    # (LeakSanitizer cannot run under ptrace; a sanitizer build checks leaks elsewhere.)
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
    start_program strace -f -qq -o "$work/trace" -e trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,ftruncate
    wait_for_main_window
    main=$(main_window)
    play_a_little "$main"
    click_close_box "$main"
    wait_for_exit
    grep -q '"brimb.bmp", O_RDONLY' "$work/trace" || fail "the trace did not see the pictures read"
    writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|mkdir|rename|unlink|truncate' "$work/trace" \
             | grep -vE '"/dev/(null|tty|dri/|shm/)|ENOENT|EEXIST' || true)
    [ -z "$writes" ] || fail "files written: $writes"
    ;;
alt-f4)
    start_program
    wait_for_main_window
    main=$(main_window)
    play_a_little "$main"
    activate "$main"
    xdotool key alt+F4
    wait_for_exit
    ;;
close-box-after-error)
    printf 'BM' > "$work/d4.bmp"   # too short: a report at start-up
    start_program
    wait_for_window Brimblet
    press_return_in "$(windows_named Brimblet | head -1)"
    wait_for_main_window
    click_close_box "$(main_window)"
    wait_for_exit
    ;;
desktop-entry|terminal)
    # The installed game started as the menu starts it (the entry's command, in the entry's
    # folder if it names one) or as a player types its command in a terminal, in a folder of
    # their own that holds no pictures.
    if [ "$scenario" = desktop-entry ]; then
        command=$(sed -n 's/^Exec=//p' "$program")
        folder=$(sed -n 's/^Path=//p' "$program")
        [ -n "$command" ] || fail "the entry has no Exec line"
        [ -z "$folder" ] || [ -d "$folder" ] || fail "the entry's folder $folder does not exist"
    else
        command=$2
        folder=""
    fi
    mkdir -p "$work/home"
    (cd "${folder:-$work/home}" && exec dbus-run-session -- $command >>"$work/program.log" 2>&1) &
    app_pid=$!
    wait_for_main_window
    sleep 0.5
    [ "$(windows_named Brimblet | wc -l)" -eq 1 ] || fail "an error box came up"
    check_counters_drawn "$(main_window)"
    [ -z "$(ls -A "$work/home")" ] || fail "files were left in the folder it started in"
    wmctrl -i -c "$(main_window)"
    wait_for_exit
    ;;
*)
    fail "unknown scenario"
    ;;
esac
echo "PASS ($scenario)"
