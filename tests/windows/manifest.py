#!/usr/bin/env python3
"""Reads the program we ship without running it. Its PE headers: a 32-bit (PE32, i386)
Windows GUI program that imports Windows' own DLLs only, and whose version resource gives the
project's version. Its application manifest (resource 1 of type 24): per-monitor DPI awareness
(v2, with per monitor as the fallback), the Windows versions 7 to 11, and asInvoker. With
--installer, only that the installer's manifest asks for no elevation.

usage: manifest.py brimblet.exe <version> | manifest.py --installer brimblet-<version>-win32.exe
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

RT_MANIFEST = 24
RT_VERSION = 16
# What Windows itself brings: a program linked statically needs no DLL of mingw's beside it.
WINDOWS_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll",
                "oleacc.dll", "oleaut32.dll", "shell32.dll", "user32.dll"}
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


def program_problems(data, version):
    """What is wrong with the program's headers, imports and version, as a list of texts."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    machine, sections, optional_size = struct.unpack_from("<HH12xH", data, pe + 4)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]
    problems = []
    if machine != 0x14C or magic != 0x10B:
        problems.append(f"not a 32-bit x86 program (machine {machine:#x}, optional header {magic:#x})")
    if subsystem != 2:
        problems.append(f"not a GUI program (subsystem {subsystem})")
    table = optional + optional_size
    spans = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def offset(rva):
        for virtual_size, start, raw_size, raw in spans:
            if start <= rva < start + max(virtual_size, raw_size):
                return raw + rva - start
        raise SystemExit(f"address {rva:#x} is in no section")

    directories = optional + (96 if magic == 0x10B else 112)
    at = offset(struct.unpack_from("<I", data, directories + 8)[0])
    dlls = []
    while struct.unpack_from("<5I", data, at) != (0, 0, 0, 0, 0):
        name = offset(struct.unpack_from("<12xI", data, at)[0])
        dlls.append(data[name:data.index(b"\0", name)].decode().lower())
        at += 20
    foreign = sorted(set(dlls) - WINDOWS_DLLS)
    if foreign:
        problems.append(f"imports DLLs that Windows does not bring: {foreign}")
    info = resource(data, RT_VERSION, 1) or b""
    fixed = info.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        problems.append("no version resource")
    else:
        high, low = struct.unpack_from("<II", info, fixed + 8)
        found = f"{high >> 16}.{high & 0xFFFF}.{low >> 16}"
        if found != version:
            problems.append(f"version {found}, not {version}")
    print(f"program: PE32, GUI, imports {', '.join(sorted(dlls))}; version {version}")
    return problems


def main():
    installer = sys.argv[1] == "--installer"
    path = sys.argv[2] if installer else sys.argv[1]
    data = open(path, "rb").read()
    text = resource(data, RT_MANIFEST, 1)
    if text is None:
        print("no application manifest (resource 1 of type 24)", file=sys.stderr)
        return 1
    root = ElementTree.fromstring(text)
    local = {}
    for element in root.iter():
        local.setdefault(element.tag.split("}")[-1], []).append(element)
    problems = [] if installer else program_problems(data, sys.argv[2])
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
