#!/usr/bin/env python3
"""Start-up as a player sees it, for both builds: from the process's start until its main
window is mapped on the X server, in alternating pairs with floors of the same toolkit.
Run inside an X server with no window manager and a session bus, on one core (run.sh does
all three).

    startup.py <Linux bench build> <Windows build> <folder of the nine pictures> [pairs]

Linux: the game against an empty Qt window of its size and against a Qt window holding one
label in the game's font. Windows, under Wine in a prefix of its own whose desktop is kept
up for the whole run, as Windows' own is: the game against an empty Win32 window of its
size; also their peak memory and the executables' sizes.
"""
import os
import re
import statistics
import subprocess
import sys
import time

linux, windows, pictures = (os.path.abspath(a) for a in sys.argv[1:4])
pairs = int(sys.argv[4]) if len(sys.argv) > 4 else 20
map_time = os.path.join(linux, "bench", "map_time")
env = dict(os.environ)


def start(title, command, extra_env=None):
    """(milliseconds until mapped, peak resident KiB) of one start."""
    result = subprocess.run([map_time, title, *command], cwd=pictures, capture_output=True,
                            text=True, env=dict(env, **(extra_env or {})), timeout=120)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)}: {result.stderr.strip()}")
    out = result.stdout
    m = re.search(r"mapped ([0-9.]+) peak_kib (\d+)", out)
    return float(m.group(1)), int(m.group(2))


def compare(name, game, floors):
    """Alternating pairs of the game and each floor; prints medians and the median ratio."""
    peaks = {"game": []}
    print(f"{name}: start-up to the main window mapped, median of {pairs} alternating pairs")
    for floor, command in floors.items():
        times = {"game": [], floor: []}
        peaks[floor] = []
        for i in range(pairs + 1):
            order = [("game", game), (floor, command)]
            if i % 2:
                order.reverse()
            for who, (title, cmd, extra) in order:
                ms, kib = start(title, cmd, extra)
                if i > 0:  # the first pair only warms the caches
                    times[who].append(ms)
                    peaks[who].append(kib)
        ratios = [g / f for g, f in zip(times["game"], times[floor])]
        print(f"  game {statistics.median(times['game']):.1f} ms, {floor} "
              f"{statistics.median(times[floor]):.1f} ms, ratio {statistics.median(ratios):.2f}")
    return peaks


qt = {"QT_QPA_PLATFORM": "xcb", "XDG_RUNTIME_DIR": os.environ.get("XDG_RUNTIME_DIR", "/tmp")}
compare("Linux (Qt)",
        ("Brimblet", [os.path.join(linux, "src", "qt", "brimblet")], qt),
        {"empty Qt window": ("Floor", [os.path.join(linux, "bench", "bench_floor")],
                             dict(qt, BRIMBLET_BENCH_STAY="1")),
         "one-label Qt window": ("Floor", [os.path.join(linux, "bench", "bench_label_floor")], qt)})

prefix = os.path.join(windows, "bench-prefix")
wine = {"WINEPREFIX": prefix, "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}
quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=dict(env, **wine))
if not os.path.isdir(prefix):
    subprocess.run(["wineboot", "--init"], check=True, **quiet)
    for face, real in (("Comic Sans MS", "Comic Neue"), ("MS Sans Serif", "Liberation Sans")):
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v", face,
                        "/t", "REG_SZ", "/d", real, "/f"], check=True, **quiet)
    subprocess.run(["wineserver", "-w"], **quiet)
subprocess.run(["wineserver", "-p", "600"], **quiet)
subprocess.run(["wineboot"], **quiet)
desktop = subprocess.Popen(["wine", os.path.join(windows, "win32_desktop.exe")], **quiet)
time.sleep(2)  # the desktop process is up before the first start is timed
exe = os.path.join(windows, "src", "windows", "brimblet.exe")
floor_exe = os.path.join(windows, "win32_floor.exe")
peaks = compare("Windows (Win32 under Wine)",
                ("Brimblet", ["wine", exe], wine),
                {"empty Win32 window": ("Floor", ["wine", floor_exe], wine)})
subprocess.run(["wineserver", "-k"], **quiet)
desktop.wait()
print(f"  peak resident: game {statistics.median(peaks['game']) / 1024:.1f} MiB, "
      f"empty Win32 window {statistics.median(peaks['empty Win32 window']) / 1024:.1f} MiB")
print(f"  executable: brimblet.exe {os.path.getsize(exe):,} bytes, "
      f"win32_floor.exe {os.path.getsize(floor_exe):,} bytes")
