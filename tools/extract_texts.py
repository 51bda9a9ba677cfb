#!/usr/bin/env python3
"""Writes, as a PO template on stdout, the texts of the files xgettext does not read: the Qt
windows' designs (.ui: every <string> not marked notr) and the page (.html: every text with a
letter in it, and the aria-label, aria-description, description and name-box value)."""
import html.parser
import sys
import xml.etree.ElementTree as ElementTree

ATTRIBUTES = ("aria-label", "aria-description", "value")


def ui_texts(path):
    for element in ElementTree.parse(path).iter("string"):
        if element.text and element.get("notr") != "true" and any(c.isalpha() for c in element.text):
            yield element.text


class PageTexts(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.found, self.skip = [], 0

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("script", "style"):
            self.skip += 1
        self.found += [attrs[a] for a in ATTRIBUTES if any(c.isalpha() for c in attrs.get(a) or "")]
        if tag == "meta" and attrs.get("name") == "description":
            self.found.append(attrs["content"])

    def handle_endtag(self, tag):
        if tag in ("script", "style"):
            self.skip -= 1

    def handle_data(self, data):
        if not self.skip and any(c.isalpha() for c in data):
            self.found.append(data)


def page_texts(path):
    parser = PageTexts()
    parser.feed(open(path, encoding="utf-8").read())
    return parser.found


def po_string(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t")
    lines = escaped.split("\n")
    if len(lines) == 1:
        return f'"{escaped}"'
    parts = [line + "\\n" for line in lines[:-1]] + ([lines[-1]] if lines[-1] else [])
    return '""\n' + "\n".join(f'"{p}"' for p in parts)


def main(paths):
    seen = {}
    for path in paths:
        for text in ui_texts(path) if path.endswith(".ui") else page_texts(path):
            seen.setdefault(text, []).append(path)
    print('msgid ""\nmsgstr ""\n"Content-Type: text/plain; charset=UTF-8\\n"\n')
    for text, where in seen.items():
        print(f"#: {' '.join(sorted(set(where)))}")
        if "{" in text:
            print("#, python-brace-format")
        print(f"msgid {po_string(text)}\nmsgstr \"\"\n")


if __name__ == "__main__":
    main(sys.argv[1:])
