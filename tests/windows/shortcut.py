#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk, the Shell Link format) starts and where:
"target <path>" and "folder <working folder>", one a line."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR = 1, 2, 4, 8, 16
HAS_ARGUMENTS, HAS_ICON_LOCATION, IS_UNICODE = 32, 64, 128

d = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", d, 20)[0]
at = 76
if flags & HAS_ID_LIST:
    at += 2 + struct.unpack_from("<H", d, at)[0]
target = None
if flags & HAS_LINK_INFO:
    size, header, info_flags, _, base_offset = struct.unpack_from("<5I", d, at)
    if info_flags & 1:  # a local path
        end = d.index(b"\0", at + base_offset)
        target = d[at + base_offset:end].decode("mbcs" if sys.platform == "win32" else "latin-1")
    at += size
strings = {}
for flag, name in ((HAS_NAME, "name"), (HAS_RELATIVE_PATH, "relative"),
                   (HAS_WORKING_DIR, "folder"), (HAS_ARGUMENTS, "arguments"),
                   (HAS_ICON_LOCATION, "icon")):
    if flags & flag:
        count = struct.unpack_from("<H", d, at)[0]
        at += 2
        width = 2 if flags & IS_UNICODE else 1
        strings[name] = d[at:at + count * width].decode("utf-16-le" if width == 2 else "latin-1")
        at += count * width
print("target", target or strings.get("relative", ""))
print("folder", strings.get("folder", ""))
