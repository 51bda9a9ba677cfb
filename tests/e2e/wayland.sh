#!/usr/bin/env bash
# The real program in a Wayland session: Debian's weston with its headless back end, Qt on its
# Wayland plugin, driven through the accessibility bus (weston takes no injected input).
# Each name window's toplevel must be given the main window's as its parent, so that the
# compositor keeps it above the main window; the die must report T as its key. A player's own
# QT_QPA_PLATFORM is kept.
#   wayland.sh PROGRAM PICTURES
set -euo pipefail
program=$(realpath "$1") pictures=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=brimblet-$$
fail() { echo "FAIL (wayland): $*" >&2; exit 1; }
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
trap "kill $! 2>/dev/null; rm -rf '$work'" EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(cat "$work/weston.log")"

cd "$pictures"
# "1 Player" and "2 Players" pressed through the accessibility bus, in a session of its own.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
        sleep 1
        "$1" 2>"$2/protocol.log" &
        /usr/bin/python3 "$3/atspi_press.py" "1 Player" "2 Players" >"$2/press.out"
        kill $! 2>/dev/null; wait $! 2>/dev/null; kill %1 2>/dev/null; true' \
    _ "$program" "$work" "$here" 2>/dev/null || fail "the buttons could not be pressed"

toplevels=$(sed -n 's/.*get_toplevel(new id \(xdg_toplevel@[0-9]*\)).*/\1/p' "$work/protocol.log")
[ "$(wc -l <<<"$toplevels")" -eq 3 ] || fail "expected three toplevels, found: $toplevels"
main=$(head -1 <<<"$toplevels")
for dialog in $(tail -2 <<<"$toplevels"); do
    grep -qF -- "-> $dialog.set_parent($main)" "$work/protocol.log" ||
        fail "the name window $dialog is not kept above the main window $main"
done
[ "$(cat "$work/press.out")" = "Press T" ] || fail "the die reports $(cat "$work/press.out")"

# A player who asks for another platform gets it: no Wayland window then.
env QT_QPA_PLATFORM=offscreen WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client \
    timeout 3 "$program" 2>"$work/offscreen.log" || true
! grep -q get_toplevel "$work/offscreen.log" || fail "QT_QPA_PLATFORM=offscreen was not kept"
echo "PASS (wayland): $main with name windows $(tail -2 <<<"$toplevels" | tr '\n' ' ')"
