#!/usr/bin/env python3
"""Start-up, CPU, instructions and memory of the game against an empty Qt window of its size.
Run inside an X server (run.sh starts one).

    measure.py <build folder> <folder of the nine pictures> [pairs]
"""
import os
import re
import resource
import statistics
import subprocess
import sys
import tempfile
import time

build, pictures = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
pairs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
game = os.path.join(build, "bench", "brimblet_bench")
floor = os.path.join(build, "bench", "bench_floor")
env = dict(os.environ, XDG_RUNTIME_DIR=tempfile.mkdtemp())
os.chmod(env["XDG_RUNTIME_DIR"], 0o700)


def run(program, clicks=0, wrapper=()):
    """Starts the program, returns (seconds to first paint, user+system CPU seconds, output)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    started = time.monotonic()
    result = subprocess.run([*wrapper, program], cwd=pictures, capture_output=True, text=True,
                            env=dict(env, BRIMBLET_BENCH_CLICKS=str(clicks)), timeout=600, check=True)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    painted = float(re.search(r"painted ([0-9.]+)", result.stdout).group(1))
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return painted - started, cpu, result.stdout


def memory(program, clicks):
    out = run(program, clicks)[2]
    m = re.search(r"rss_kib (\d+) hwm_kib (\d+)", out)
    return int(m.group(1)), int(m.group(2))


def instructions(program):
    with tempfile.TemporaryDirectory() as d:
        out = os.path.join(d, "callgrind.out")
        run(program, wrapper=("valgrind", "--tool=callgrind", "--callgrind-out-file=" + out))
        with open(out) as f:
            for line in f:
                if line.startswith(("summary:", "totals:")):
                    return int(line.split()[1])
    return None


for _ in range(2):  # warm the caches of both before timing
    run(game)
    run(floor)

times = {"game": [], "floor": []}
cpus = {"game": [], "floor": []}
ratios = []
for _ in range(pairs):
    g, gc, _ = run(game)
    f, fc, _ = run(floor)
    times["game"].append(g)
    times["floor"].append(f)
    cpus["game"].append(gc)
    cpus["floor"].append(fc)
    ratios.append(g / f)

ms = lambda v: f"{statistics.median(v) * 1000:.1f} ms"
print(f"start-up to first paint, median of {pairs} alternating pairs:")
print(f"  game {ms(times['game'])}, floor {ms(times['floor'])}, "
      f"median ratio game/floor {statistics.median(ratios):.2f} (target <= 1.3)")
print(f"  user+system CPU: game {ms(cpus['game'])}, floor {ms(cpus['floor'])}, "
      f"ratio {statistics.median(cpus['game']) / statistics.median(cpus['floor']):.2f}")

gi, fi = instructions(game), instructions(floor)
print(f"  instructions to first paint (callgrind): game {gi:,}, floor {fi:,}, ratio {gi / fi:.2f}")

_, floor_hwm = memory(floor, 0)
_, game_hwm = memory(game, 100)
rss_100, _ = memory(game, 100)
rss_10000, _ = memory(game, 10000)
print("memory:")
print(f"  peak resident, session of 100 one-player clicks: game {game_hwm / 1024:.1f} MiB, "
      f"floor {floor_hwm / 1024:.1f} MiB, difference {(game_hwm - floor_hwm) / 1024:.1f} MiB (target <= 8)")
print(f"  resident after 100 clicks {rss_100 / 1024:.1f} MiB, after 10,000 clicks {rss_10000 / 1024:.1f} MiB")
