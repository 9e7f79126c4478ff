#!/usr/bin/env python3
"""Times trailbake on generated print tables of 6,554 and 65,535 rows each.

Every row has its own key in the first column ("Row00001", ...) and names one
of the sixteen terrain types (or an unknown one) in its second, so later rows
keep replacing earlier entries, as the builder must allow. Prints rows per
second for each size and the ratio of the two times (see builder_timing.py).

Usage: bench/trailbake.py [build/bin]
"""
import os
import sys

import builder_timing

TERRAINS = ["grass", "ground", "stone", "sand", "rock", "field", "water", "road", "mud", "snow",
            "ice", "drygrass", "snowballs", "lava", "swamp", "highrock"]
PHASE = "\tOpacity\tLifetime\tFadeout"


def write_table(path, rows, groups):
    with open(path, "w", newline="\n") as f:
        f.write("Id\tTerrainType" + "".join("\t" + g + "\t\t" for g in groups) + "\n")
        f.write("\t" + PHASE * len(groups) + "\n")
        for i in range(1, rows + 1):
            cells = [f"Row{i:05d}", TERRAINS[i % len(TERRAINS)]]
            for g in range(len(groups)):
                cells += [f"{(i + g) % 101}", f"{i % 120}.5", f"{i % 9}"]
            f.write("\t".join(cells) + "\n")


def write_tables(work, rows):
    two = ["Clear Weather", "Weather Precipitation"]
    write_table(os.path.join(work, "BloodPrints.txt"), rows, two)
    write_table(os.path.join(work, "FootPrints.txt"), rows, two + ["Bloody Precipitation"])
    write_table(os.path.join(work, "FirePrints.txt"), rows, two)


if __name__ == "__main__":
    sys.exit(builder_timing.run("trailbake", write_tables, 3))
