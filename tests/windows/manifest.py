#!/usr/bin/env python3
"""Reads the application manifest out of a built Windows program (resource 1 of type 24 in
its PE resource table) and checks what it declares: per-monitor DPI awareness (v2, with per
monitor as the fallback), the Windows versions 7 to 11, and asInvoker; with --installer, only
that the installer asks for no elevation.

usage: manifest.py brimblet.exe | manifest.py --installer brimblet-<version>-win32.exe
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

RT_MANIFEST = 24
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}


def resource(data, wanted_type, wanted_id):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rsrc_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    for i in range(sections):
        _, virtual_size, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
        if rva <= rsrc_rva < rva + max(virtual_size, raw_size):
            base = raw + rsrc_rva - rva
            delta = rva - raw
            break
    else:
        raise SystemExit("no resource section")

    def entries(at):
        named, numbered = struct.unpack_from("<12xHH", data, base + at)
        for k in range(named + numbered):
            name, target = struct.unpack_from("<II", data, base + at + 16 + 8 * k)
            yield name, target

    for kind, types in entries(0):
        if kind != wanted_type:
            continue
        for ident, names in entries(types & 0x7FFFFFFF):
            if ident != wanted_id:
                continue
            _, language = next(entries(names & 0x7FFFFFFF))
            rva, size = struct.unpack_from("<II", data, base + language)
            return data[rva - delta:rva - delta + size]
    return None


def main():
    installer = sys.argv[1] == "--installer"
    data = open(sys.argv[-1], "rb").read()
    text = resource(data, RT_MANIFEST, 1)
    if text is None:
        print("no application manifest (resource 1 of type 24)", file=sys.stderr)
        return 1
    root = ElementTree.fromstring(text)
    local = {}
    for element in root.iter():
        local.setdefault(element.tag.split("}")[-1], []).append(element)
    problems = []
    level = [e.get("level") for e in local.get("requestedExecutionLevel", [])]
    if installer:  # highestAvailable runs a standard user's install as they are, with no prompt
        print(f"installer manifest: {level}", file=sys.stdout if level in (["highestAvailable"], ["asInvoker"]) else sys.stderr)
        return 0 if level in (["highestAvailable"], ["asInvoker"]) else 1
    if level != ["asInvoker"]:
        problems.append(f"execution level {level}")
    declared = {e.get("Id") for e in local.get("supportedOS", [])}
    for guid, name in SUPPORTED_OS.items():
        if guid not in declared:
            problems.append(f"{name} is not declared")
    awareness = [e.text.strip() for e in local.get("dpiAwareness", [])]
    if awareness != ["PerMonitorV2, PerMonitor"]:
        problems.append(f"DPI awareness {awareness}")
    aware = [e.text.strip() for e in local.get("dpiAware", [])]
    if aware != ["true/pm"]:
        problems.append(f"the older DPI setting {aware}")
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    print(f"manifest: {len(text)} bytes; asInvoker; {len(declared)} Windows versions; "
          f"{awareness[0]}; fallback {aware[0]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
