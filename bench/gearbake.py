#!/usr/bin/env python3
"""Times gearbake on generated item tables of 10,000 and 60,000 rows each.

All six tables get the same number of rows, every column filled, with names
that differ only in their digits ("Weapon00001", ...): the hard case for the
registry file, whose byte-sum hash crowds such names into a few home slots.
Prints rows per second (all six tables together) for each size and the ratio
of the two times; cost should grow about linearly (6x rows, at most 7x time).

Usage: bench/gearbake.py [build/bin]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

DAMAGE = ["Piercing", "Slashing", "Bludgeoning", "Termal", "Chemic", "Electric", "General"]
SHOPS = ["1", "2", "3", "4", "5"]
GENERAL = ["Price", "Weight", "Size", "Mana", "Slots", "Durability", "Components",
           "Deconstructable"]
WEAPON_TYPES = ["Sword", "Axe", "Dagger", "Spear", "Hammer", "Bow", "Crossbow"]
ARMOR_TYPES = ["Helm", "Plate", "Leggings", "Shirt", "Pants", "Boots", "Gloves"]
QUICK_TYPES = ["Picklock", "Trap", "Wand", "Scroll", "Key"]
LOOT_TYPES = ["Treasure", "Material", "Instruction"]

# Each table: its column groups (a group without sub-columns is one column)
# and a function giving the cells of row i after the name.
TABLES = {
    "Materials.txt": (
        [("Material", ["Type", "Code Name", "Skill", "Damage"]),
         ("General", ["Price", "Weight", "Mana", "Slots", "Durability"]),
         ("Absorption", DAMAGE + ["Crippled"]), ("Available In Shop", SHOPS)],
        lambda i: ["Metal", f"M{i % 97:03d}", i % 50, f"{i % 9}.5", i % 100, "1.5", 0, i % 3,
                   100 + i % 50] + [i % 40 for _ in DAMAGE] + ["1, 4"] +
                  [1 if (i + k) % 3 == 0 else "" for k in range(5)]),
    "Weapons.txt": (
        [("Weapon", ["Type", "Material Type", "Range", "Damage Min", "Damage Max", "Actions"]),
         ("Damage proportions", DAMAGE), ("General", GENERAL),
         ("Graphics Data", ["Texture Type Index", "Texture Type Index 2"]),
         ("Available In Shop", SHOPS), ("Lists", [])],
        lambda i: [WEAPON_TYPES[i % 7], "Steel", "1.5", 20 + i % 30, 60 + i % 40, 2] +
                  [(i * (k + 1)) % 100 for k in range(7)] +
                  [50 + i % 200, "3.5", 2, 0, 1, 100, 1, 1, i % 500, ""] +
                  [1 if (i + k) % 4 == 0 else "" for k in range(5)] +
                  ["melee 2, attack 1.5, defence 3, science 1"]),
    "Armors.txt": (
        [("Armor", ["Type", "Material Type"]), ("Main", ["Absorption"] + DAMAGE + ["Crippled"]),
         ("Additional", ["Absorption"] + DAMAGE + ["Crippled"]), ("General", GENERAL),
         ("Graphics Data", ["Texture Type Index", "Texture Type Index 2", "Apply Wounds",
                            "Wear Order"]),
         ("Available In Shop", SHOPS), ("Lists", [])],
        lambda i: [ARMOR_TYPES[i % 7], "Iron", 30] + [i % 60 for _ in DAMAGE] + ["1, 3"] +
                  [10] + [i % 30 for _ in DAMAGE] + ["2"] +
                  [40, "6.5", 2, 0, 0, 120, 2, 1, i % 300, "", 1, i % 5] +
                  [1 if (i + k) % 5 == 0 else "" for k in range(5)] + ["stealth 2, tame 1"]),
    "QuickItems.txt": (
        [("Quick Items", ["Type", "Material Type", "Skill", "Damage", "Damage Type", "Spell"]),
         ("General", GENERAL), ("Available In Shop", SHOPS), ("Lists", [])],
        lambda i: [QUICK_TYPES[i % 5], "Iron", i % 60, "12.5", "Termal", f"Spell{i % 40}",
                   10, "0.5", 1, 0, 0, 50, 1, 0] +
                  [1 if (i + k) % 3 == 0 else "" for k in range(5)] + ["stealing 2"]),
    "QuestItems.txt": (
        [("Quest Items", ["ScriptID", "Zones"]), ("General", ["Price", "Weight", "Size"])],
        lambda i: [i, "Village, Cave, Tower", 0, "0.5", 1]),
    "LootItems.txt": (
        [("Loot", ["Type", "Material", "Scrap Material"]),
         ("General", ["Price", "Weight", "Size", "Deconstructable"]), ("Available In Shop", SHOPS)],
        lambda i: [LOOT_TYPES[i % 3], 3 + i % 8, "Iron", 5 + i % 90, "0.2", 1, i % 2] +
                  [1 if (i + k) % 4 == 0 else "" for k in range(5)]),
}


def header_lines(groups):
    first, second = ["Name"], [""]
    for group, subs in groups:
        if not subs:
            first.append(group)
            second.append("")
        for k, sub in enumerate(subs):
            first.append(group if k == 0 else "")
            second.append(sub)
    return "\t".join(first) + "\r\n" + "\t".join(second) + "\r\n"


def write_tables(work, rows):
    for name, (groups, cells) in TABLES.items():
        stem = name[:-len("s.txt")]
        with open(os.path.join(work, name), "w", newline="") as f:
            f.write(header_lines(groups))
            for i in range(1, rows + 1):
                f.write("\t".join(str(c) for c in [f"{stem}{i:05d}"] + cells(i)) + "\r\n")


def best_time(program, work, runs):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        run = subprocess.run([program, "out"], cwd=work, check=True, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE)
        if run.stderr:  # a table that was not converted would make the figures meaningless
            sys.exit(f"gearbake reported errors:\n{run.stderr.decode(errors='replace')}")
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "build", "bin")
    program = os.path.abspath(os.path.join(bin_dir, "gearbake"))
    sizes = (10000, 60000)
    results = {}
    for rows in sizes:
        work = tempfile.mkdtemp(prefix="gearbake-bench-")
        try:
            os.mkdir(os.path.join(work, "out"))
            write_tables(work, rows)
            seconds = best_time(program, work, 3)
            results[rows] = seconds
            total = rows * len(TABLES)
            size = os.path.getsize(os.path.join(work, "out", "items.idb"))
            print(f"{rows:6d} rows per table ({total} rows): {seconds:.3f} s, "
                  f"{total / seconds:,.0f} rows/s, items.idb {size:,} bytes")
        finally:
            shutil.rmtree(work)
    ratio = results[sizes[1]] / results[sizes[0]]
    print(f"time ratio for 6x rows: {ratio:.2f}x (limit 7x)")
    return 0 if ratio <= 7 else 1


if __name__ == "__main__":
    sys.exit(main())
