#!/usr/bin/env python3
"""Times talentbake on generated skills and perks tables of 6,554 and 65,535
rows each.

Row names differ only in their digits ("Perk00001", ...), the hard case for
the registry file's byte-sum hash. Prints rows per second for each size and
the ratio of the two times (see builder_timing.py).

Usage: bench/talentbake.py [build/bin]
"""
import os
import sys

import builder_timing

SKILLS = ["Melee", "Archery", "Backstab", "Elemental", "Sense", "Astral", "Stealth", "Awareness",
          "Science", "Stealing", "Tame", "Cooking"]
SKILLS_HEADER = "Name\tCode\tTexture Type Index\tBase Attributes\n"
PERKS_HEADER = ("Name\tCode\tTexture Type Index\tPerk\tPerk Exclusive\tSkill\tSL\tStr\tDex\tInt\t"
                "Cost\tModifier\tMult\tAdd\tActive\n")


def write_tables(work, rows):
    with open(os.path.join(work, "Skills.txt"), "w", newline="\n") as f:
        f.write(SKILLS_HEADER)
        for i in range(1, rows + 1):
            f.write(f"Skill{i:05d}\tS{i % 997}\t{i % 40}\tStr, Dex, Int\n")
    with open(os.path.join(work, "Perks.txt"), "w", newline="\n") as f:
        f.write(PERKS_HEADER)
        for i in range(1, rows + 1):
            f.write(f"Perk{i:05d}\tP{i % 997}\t{i % 60}\tEffect{i % 17}\t{i % 3}\t"
                    f"{SKILLS[i % len(SKILLS)]}\t{i % 10}\t{i % 20}\t{i % 15}.5\t{i % 12}\t"
                    f"{i % 4 + 1}\t{i % 9}\t{i % 200}\t{i % 30}\t{i % 2}\n")


if __name__ == "__main__":
    sys.exit(builder_timing.run("talentbake", write_tables, 2))
