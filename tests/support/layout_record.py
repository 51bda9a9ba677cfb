"""The windows' layout record (tests/data/layout.txt), and what a build shows held to it.
A build's windows are given as {window: ((width, height), {control: (left, top, width, height,
text width)})}, in pixels at 96 dots per inch; each difference comes back as a line."""
import json
import sys

TEXT_TOLERANCE = 3


def read_record(path):
    windows, current = {}, None
    for line in open(path, encoding="utf-8"):
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        if words[0] == "window":
            current = windows[words[1]] = ((int(words[2]), int(words[3])), {})
        else:
            current[1][words[0]] = [w if w == "text" else int(w) for w in words[1:]]
    return windows


def differences(record, shown, mirrored=False):
    """Mirrored, for a language read from the right, each control's right edge stands where the
    record puts its left one, counted from the window's right: left becomes width - left - width."""
    found = []
    for window, (client, controls) in record.items():
        if window not in shown:
            found.append(f"{window}: not shown")
            continue
        got_client, got = shown[window]
        if tuple(round(v) for v in got_client) != client:
            found.append(f"{window}: client {got_client}, the record says {client}")
        for name, place in controls.items():
            if name not in got:
                found.append(f"{window}.{name}: missing")
                continue
            left, top, width, height, text = got[name]
            if mirrored:
                left = got_client[0] - left - width
            want_width = text if place[2] == "text" else place[2]
            tolerance = TEXT_TOLERANCE if place[2] == "text" else 0.5
            if [round(left), round(top), round(height)] != [place[0], place[1], place[3]] or \
                    abs(width - want_width) > tolerance:
                found.append(f"{window}.{name}: at {left:g} {top:g} size {width:g} x {height:g} (text {text:g}), "
                             f"the record says {' '.join(map(str, place))}")
    return found


def from_listing(windows):
    """{window: [[width, height], [[name, left, top, width, height, text width], ...]]}, as the
    builds' tests write what they read."""
    return {w: (client, {c[0]: c[1:] for c in controls}) for w, (client, controls) in windows.items()}


def from_probe(listing):
    """The Windows probe's `layout` listing: a window line with its client size, then a place
    line a control, ending with its text's width and its design name."""
    shown, current = {}, None
    for line in listing.splitlines():
        words = line.split()
        if words[:1] == ["window"]:
            current = shown[words[1]] = ((int(words[-2]), int(words[-1])), {})
        elif words[:1] == ["place"] and current:
            current[1][words[-1]] = tuple(int(w) for w in words[3:7] + words[8:9])
    return shown


def main():
    """layout_record.py RECORD [--mirrored]           a build's listing (JSON) on standard input
       layout_record.py RECORD --probe [--mirrored]   the Windows probe's listing on standard input"""
    record = read_record(sys.argv[1])
    text = sys.stdin.read()
    shown = from_probe(text) if "--probe" in sys.argv[2:] else from_listing(json.loads(text))
    found = differences(record, shown, mirrored="--mirrored" in sys.argv[2:])
    print("\n".join(found) if found else "every control where the record puts it")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
