#!/usr/bin/env python3
"""Times switchbake on generated lever tables of 6,554 and 65,535 rows.

The row names differ only in their digits ("Lever00001", ...), which is the
hard case for the registry file: its hash is a byte sum, so such names crowd
a few dozen home slots. Prints rows per second for each size and the ratio of
the two times; cost should grow about linearly (see builder_timing.py).

Usage: bench/switchbake.py [build/bin]
"""
import os
import sys

import builder_timing

HEADER = "Name\tPlace1\tPlace2\tScale\tSwitch Time\tMaterial\tSwitch Sound\tLever Description\n"


def write_tables(work, rows):
    with open(os.path.join(work, "LeverPrototypes.txt"), "w", newline="\n") as f:
        f.write(HEADER)
        for i in range(1, rows + 1):
            f.write(f"Lever{i:05d}\t{i % 7}.5, {i % 5}.25\t{i % 3}, {i % 11}\t1.{i % 10}\t"
                    f"0.{i % 9 + 1}\tIron\tlever_{i % 13}\tLever number {i}, generated.\n")


if __name__ == "__main__":
    sys.exit(builder_timing.run("switchbake", write_tables, 1))
