"""Shared by the builder benchmarks: times one builder on generated tables of
6,554 and 65,535 rows and checks that its cost grows about linearly (10x
rows, at most 12x time).

A benchmark script calls run(program name, write_tables, tables) where
write_tables(directory, rows) writes the builder's tables there and `tables`
is how many tables of that many rows it writes (for the rows/s figure).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SIZES = (6554, 65535)
RUNS = 3
MAX_RATIO = 12


def best_time(program, work):
    best = None
    for _ in range(RUNS):
        start = time.perf_counter()
        subprocess.run([program, "out"], cwd=work, check=True, stdout=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def run(name, write_tables, tables):
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "build", "bin")
    program = os.path.abspath(os.path.join(bin_dir, name))
    if not os.access(program, os.X_OK):
        sys.exit(f"{name} not found at {program}; build it first")
    results = {}
    for rows in SIZES:
        work = tempfile.mkdtemp(prefix=f"{name}-bench-")
        try:
            os.mkdir(os.path.join(work, "out"))
            write_tables(work, rows)
            seconds = best_time(program, work)
            results[rows] = seconds
            print(f"{tables} table(s) of {rows:6d} rows: {seconds:.3f} s, "
                  f"{tables * rows / seconds:,.0f} rows/s")
        finally:
            shutil.rmtree(work)
    ratio = results[SIZES[1]] / results[SIZES[0]]
    print(f"time ratio for 10x rows: {ratio:.2f}x (limit {MAX_RATIO}x)")
    return 0 if ratio <= MAX_RATIO else 1
