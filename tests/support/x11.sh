# Shell helpers for driving real windows on an X server, shared by the tests of both
# programs. Source it; it expects a function `fail` that reports and exits, and the process id
# of the program under test in `app_pid`.

# An X server of our own on the first free display, as Xvfb picks it, with a window manager:
# exports DISPLAY and sets xvfb_pid and wm_pid for the caller to stop. The server never
# resets: an X server by default starts afresh whenever its last client leaves, and a window
# manager still connecting then is cut off, leaving the test with no window manager at all.
start_display() {  # WIDTHxHEIGHT
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp -noreset >"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -1 "$display_file")"
    rm -f "$display_file"
    start_window_manager
}

# Starts openbox on DISPLAY and sets wm_pid; returns once it manages the screen, and fails
# when it does not: without one, activation, the close box and Alt+F4 do nothing.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 200); do
        kill -0 "$wm_pid" 2>/dev/null || break
        # Ready once it announces the window activation that the tests rely on.
        if xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; then
            sleep 0.5  # let it finish taking over the screen
            return 0
        fi
        sleep 0.1
    done
    echo "the window manager did not start on $DISPLAY" >&2
    return 1
}

# The visible windows with exactly this title, one id per line.
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

# The visible window with this title and this size (WIDTHxHEIGHT), if there is one.
window_sized() {  # title size
    local id
    for id in $(windows_named "$1"); do
        [ "$(size_of "$id")" = "$2" ] && { echo "$id"; return 0; }
    done
    return 1
}

wait_for_window() {  # title [count]
    local want=${2:-1}
    for _ in $(seq 300); do
        [ "$(windows_named "$1" | wc -l)" -ge "$want" ] && return 0
        sleep 0.1
    done
    fail "no window titled '$1' came up"
}

# Stacking order from the window manager, bottom first, as decimal ids.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g' | xargs -n1 printf '%d\n'
}

is_above() {  # upper lower
    local order up low
    order=$(stacking)
    up=$(echo "$order" | grep -n "^$1\$" | cut -d: -f1)
    low=$(echo "$order" | grep -n "^$2\$" | cut -d: -f1)
    [ -n "$up" ] && [ -n "$low" ] && [ "$up" -gt "$low" ]
}

click_at() {  # window x y  (client coordinates)
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# Two clicks as quick as a player's double click (Qt and Windows both take 400 ms and more).
double_click_at() {  # window x y  (client coordinates)
    xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
    sleep 0.5
}

# Square 1 of the board shows neither the green nor the magenta counter.
square_one_empty() {  # window
    local r g b
    read -r r g b < <(pixel_at "$1" $((16 + 5 + 8)) $((48 + 230 + 8)))
    ! { [ "$r" -gt 150 ] && [ "$g" -lt 80 ] && [ "$b" -gt 150 ]; } &&
        ! { [ "$r" -lt 80 ] && [ "$g" -gt 120 ] && [ "$b" -lt 80 ]; }
}

snapshot() { xwd -silent -id "$1" | md5sum | cut -d' ' -f1; }

# The colour of one pixel of a window, in client coordinates, as "r g b".
pixel_at() {  # window x y
    xwd -silent -id "$1" | python3 -c '
import struct, sys
d = sys.stdin.buffer.read()
f = struct.unpack_from(">25I", d)
header, width, order, bpp, line, ncolors = f[0], f[4], f[7], f[11], f[12], f[19]
x, y = int(sys.argv[1]), int(sys.argv[2])
at = header + ncolors * 12 + y * line + x * bpp // 8
v = int.from_bytes(d[at:at + bpp // 8], "little" if order == 0 else "big")
print(v >> 16 & 255, v >> 8 & 255, v & 255)' "$2" "$3"
}

# Makes a window the active one and waits until it stays so, for a key pressed next to reach
# it. `windowactivate --sync` returns once the window manager has said so, but a window shown a
# moment before (a dialog the program opened, an error box) can still take the activation
# afterwards, on a busy machine a second later, and the key then goes to that window.
# The request is made even when the window manager already names the window active: a
# program may have moved its own activation elsewhere meanwhile (Wine to a name window it
# showed), and only a new request gives it back.
activate() {  # window
    local held=0 asked=0
    for _ in $(seq 100); do
        if [ $asked -eq 1 ] && [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; then
            held=$((held + 1))
            [ $held -ge 3 ] && return 0
        else
            held=0
            xdotool windowactivate --sync "$1" >/dev/null 2>&1 && asked=1
        fi
        sleep 0.1
    done
    fail "window $1 did not stay the active window"
}

# Presses Return in a window (the OK of an error box), once it is the active one.
press_return_in() {
    activate "$1"
    xdotool key Return
}

# Waits for the program to end by itself, and for exit code 0.
wait_for_exit() {
    for _ in $(seq 300); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
    local code=0
    wait "$app_pid" || code=$?
    app_pid=""
    [ "$code" -eq 0 ] || fail "exit code $code"
}
