#!/usr/bin/env python3
"""Times the hivecast converter on generated INI texts shaped like the
builders' output: one section per row named like "Lever00001" (names that
differ only in their digits crowd a few dozen home slots), about eight keys
per section and a running SortOrderID.

Usage: bench/hivecast.py [build/bin]
Prints sections per second for a 6,554-section and a 65,535-section text and
the ratio of their times; the larger one is 10x the rows and should take
about 10x the time, well under a second.
"""
import os
import resource
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def make_ini(path, sections):
    lines = []
    for i in range(sections):
        name = "Lever%05d" % (i + 1)
        lines.append("")
        lines.append("[%s]" % name)
        lines.append("Name=%s" % name)
        lines.append("Model=lever_%d" % (i % 7))
        lines.append("Sound=switch.wav")
        lines.append("SwitchTime=1.33")
        lines.append("Place1=0.5, 1.5, %d" % (i % 40))
        lines.append("Place2=3, 4")
        lines.append("Description=A lever, stiff with rust")
        lines.append("SortOrderID=%d" % i)
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def best_time(program, ini, runs=3):
    """Best wall time and best processor time (user + system) of `runs` runs;
    the processor time is the steadier figure on a busy machine."""
    best_wall = best_cpu = None
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run([program, ini], check=True)
        wall = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
        best_wall = wall if best_wall is None else min(best_wall, wall)
        best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
    return best_wall, best_cpu


def main():
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin")
    program = os.path.join(bin_dir, "hivecast")
    if not os.access(program, os.X_OK):
        sys.exit("hivecast not found at %s; build it first" % program)
    times = {}
    with tempfile.TemporaryDirectory() as tmp:
        for sections in (6554, 65535):
            ini = os.path.join(tmp, "tempreg%d.ini" % sections)
            make_ini(ini, sections)
            wall, cpu = best_time(program, ini)
            times[sections] = wall
            reg = ini[:-4] + ".reg"
            print("%6d sections: %6.3f s wall, %6.3f s processor, %8.0f sections/s"
                  "  (INI %.1f MB, registry %.1f MB)" % (
                      sections, wall, cpu, sections / wall, os.path.getsize(ini) / 1e6,
                      os.path.getsize(reg) / 1e6))
    print("wall time ratio 65535/6554: %.2f (rows ratio 10.0)" % (times[65535] / times[6554]))

if __name__ == "__main__":
    main()
