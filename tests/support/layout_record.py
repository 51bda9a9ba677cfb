"""The windows' layout record (tests/data/layout.txt), and what a build shows held to it.
A build's windows are given as {window: ((width, height), {control: (left, top, width, height,
text width)})}, in pixels at 96 dots per inch; each difference comes back as a line."""
import json
import re
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


def differences(record, shown):
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


def from_probe(listing, headers):
    """The Windows probe's `layout` listing, its controls named by the ids the program's headers
    give them: each enum's names, counted on from the last value written (a number, or a name
    of an earlier header's namespace)."""
    values, names = {}, {}
    for header in headers:
        text = open(header, encoding="utf-8").read()
        namespace = re.search(r"namespace (\w+) \{", text).group(1)
        for enum in re.findall(r"enum ControlId : int \{([^}]*)\}", text):
            value = 0
            for name, given in re.findall(r"(\w+)(?:\s*=\s*([\w:]+))?\s*(?:,|$)", enum.strip()):
                value = values[given] if given in values else int(given) if given else value + 1
                values[f"{namespace}::{name}"] = value
        window = re.search(r'FormSpec kForm\{L"(\w+)"', text)
        if window:
            names[window.group(1)] = {v: n.split("::")[1] for n, v in values.items() if n.startswith(namespace + "::")}
    shown, current = {}, None
    for line in listing.splitlines():
        words = line.split()
        if words[:1] == ["window"] and words[1] in names:
            current = words[1]
            shown[current] = ((int(words[-2]), int(words[-1])), {})
        elif words[:1] == ["place"] and current:
            control = int(words[1])
            left, top, width, height, text = (int(w) for w in (words[3:7] + words[8:9]))
            shown[current][1][names[current].get(control, str(control))] = (left, top, width, height, text)
    return shown


def main():
    """layout_record.py RECORD                  a build's listing (JSON) on standard input
       layout_record.py RECORD --probe HEADER... the Windows probe's listing on standard input,
                                                 NameDialog.h before the layouts that use it"""
    record = read_record(sys.argv[1])
    text = sys.stdin.read()
    shown = from_probe(text, sys.argv[3:]) if sys.argv[2:3] == ["--probe"] else from_listing(json.loads(text))
    found = differences(record, shown)
    print("\n".join(found) if found else "every control where the record puts it")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
