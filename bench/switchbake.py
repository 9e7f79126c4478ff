#!/usr/bin/env python3
"""Times switchbake on generated lever tables of 6,554 and 65,535 rows.

The row names differ only in their digits ("Lever00001", ...), which is the
hard case for the registry file: its hash is a byte sum, so such names crowd
a few dozen home slots. Prints rows per second for each size and the ratio of
the two times; cost should grow about linearly (10x rows, at most 12x time).

Usage: bench/switchbake.py [build/bin]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

HEADER = "Name\tPlace1\tPlace2\tScale\tSwitch Time\tMaterial\tSwitch Sound\tLever Description\n"


def write_table(path, rows):
    with open(path, "w", newline="\n") as f:
        f.write(HEADER)
        for i in range(1, rows + 1):
            f.write(f"Lever{i:05d}\t{i % 7}.5, {i % 5}.25\t{i % 3}, {i % 11}\t1.{i % 10}\t"
                    f"0.{i % 9 + 1}\tIron\tlever_{i % 13}\tLever number {i}, generated.\n")


def best_time(program, work, runs):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run([program, "out"], cwd=work, check=True, stdout=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "build", "bin")
    program = os.path.abspath(os.path.join(bin_dir, "switchbake"))
    results = {}
    for rows in (6554, 65535):
        work = tempfile.mkdtemp(prefix="switchbake-bench-")
        try:
            os.mkdir(os.path.join(work, "out"))
            write_table(os.path.join(work, "LeverPrototypes.txt"), rows)
            seconds = best_time(program, work, 3)
            results[rows] = seconds
            print(f"{rows:6d} rows: {seconds:.3f} s, {rows / seconds:,.0f} rows/s")
        finally:
            shutil.rmtree(work)
    ratio = results[65535] / results[6554]
    print(f"time ratio for 10x rows: {ratio:.2f}x (limit 12x)")
    return 0 if ratio <= 12 else 1


if __name__ == "__main__":
    sys.exit(main())
