#!/usr/bin/env python3
"""Times speechbake on generated speech tables and compares it with reading
the same bytes (cat to /dev/null), the floor no table builder can beat.

Usage: bench/speechbake.py [build/bin] [--lines N] [--runs N]
Prints the table size, the best wall and CPU time of each, and lines per second.
"""
import argparse
import os
import random
import resource
import shutil
import subprocess
import sys
import tempfile
import time

HERO_SITUATIONS = [
    "Selection", "Move", "Attack", "Cast", "Loot", "Use Object", "Steal From Unit", "Follow",
    "Use Potion", "Change Position", "No Way To Attack", "Cannot Change Position", "Path Not Found",
    "Cannot Cast", "Cannot Teleport", "Science Failed", "Don't See Target", "Too Complex Spell To Cast",
    "Decied To Attack Unit", "Out Of Stamina", "Arm Crippled", "Leg Crippled", "Bored",
    "Target Too High", "Can't Run Overloaded", "Can't Run Injured", "Attack Too Big", "Armor Crippled",
    "Weapon Crippled", "Attack In Defence", "Waiting Followers", "Scenario", "Steal Empty",
    "ShopotYes", "ShopotNo",
]
UNIT_STATES = ["Become Aggressive", "Became Suspectious", "Become Killer", "While In Rest State",
               "While In Aggressive State"]
NPC_SITUATIONS = ["Selected For Talking", "While In Rest State"]

HEADER = "Name\tSituation\tSound\tWeight\tSubtitle\tAnimation\n"
# Share of the lines per table, in build order; the hero tables dominate.
TABLES = [
    ("HeroAcks.txt", "hero", 0.30), ("HeroBored.txt", "bored", 0.10), ("HeroNotifies.txt", "hero", 0.15),
    ("HeroRefuses.txt", "hero", 0.15), ("Scenario.txt", "hero", 0.05), ("UnitPrototypes.txt", "unit", 0.10),
    ("UnitRaces.txt", "unit", 0.05), ("NPCs.txt", "npc", 0.10),
]
WORDS = ["the", "road", "is", "long", "stay", "close", "watch", "gate", "night", "blade", "fire", "now"]


def generate(directory, total_lines, rng):
    written = 0
    for index, (name, kind, share) in enumerate(TABLES):
        count = total_lines - written if index == len(TABLES) - 1 else int(total_lines * share)
        written += count
        rows = []
        if kind == "bored":
            rows.append("Idle remarks, one per row, flags say when\n")
        rows.append(HEADER)
        for i in range(count):
            if kind in ("hero", "bored"):
                speaker = "Hero%03d" % rng.randrange(300)
                situation = "Bored" if kind == "bored" else rng.choice(HERO_SITUATIONS)
            elif kind == "unit":
                speaker = "Unit%03d" % rng.randrange(150)
                situation = rng.choice(UNIT_STATES)
            else:
                speaker = "Npc%03d" % rng.randrange(150)
                situation = rng.choice(NPC_SITUATIONS)
            sound = "%s_%d" % (speaker.lower(), i % 100)
            subtitle = " ".join(rng.choice(WORDS) for _ in range(rng.randrange(0, 3)))
            cells = [speaker, situation, sound, str(rng.randrange(1, 4)), subtitle, ""]
            if kind == "bored":
                cells += [str(rng.randrange(2)) for _ in range(5)]
            rows.append("\t".join(cells) + "\r\n")
        with open(os.path.join(directory, name), "w", newline="") as table:
            table.write("".join(rows))


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def best_time(command, cwd, runs):
    """Best wall time and best CPU time (user + system) of `runs` runs. On a
    busy machine the CPU time is the steadier figure."""
    best_wall = best_cpu = None
    for _ in range(runs):
        cpu_before = children_cpu()
        start = time.perf_counter()
        result = subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        wall = time.perf_counter() - start
        cpu = children_cpu() - cpu_before
        if result.returncode != 0:
            sys.exit("%s failed (%d): %s" % (command[0], result.returncode, result.stderr.decode()))
        best_wall = wall if best_wall is None else min(best_wall, wall)
        best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
    return best_wall, best_cpu


def report(label, timing, runs, lines, table_bytes):
    wall, cpu = timing
    print("%-11s wall %.3f s (%.0f lines/s, %.1f MB/s), cpu %.3f s (%.0f lines/s), best of %d"
          % (label, wall, lines / wall, table_bytes / 1e6 / wall, cpu, lines / max(cpu, 1e-6), runs))


def find_program(bin_dir):
    if not bin_dir:
        bin_dir = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                               "build", "bin")
    program = os.path.abspath(os.path.join(bin_dir, "speechbake"))
    if not os.access(program, os.X_OK):
        sys.exit(f"speechbake not found at {program}; build it first")
    return program


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lines", type=int, default=200000, help="speech lines in all tables")
    parser.add_argument("--runs", type=int, default=5, help="runs of each command; the best counts")
    parser.add_argument("bin", nargs="?", help="the programs' directory (default: build/bin)")
    args = parser.parse_args()
    program = find_program(args.bin)

    work = tempfile.mkdtemp(prefix="speechbench-")
    try:
        generate(work, args.lines, random.Random(1))
        os.mkdir(os.path.join(work, "out"))
        tables = [name for name, _, _ in TABLES]
        table_bytes = sum(os.path.getsize(os.path.join(work, name)) for name in tables)

        bake = best_time([program, "out"], work, args.runs)
        read = best_time(["cat"] + tables, work, args.runs)
        database = os.path.getsize(os.path.join(work, "out", "acks.db"))

        print("speechbake: %s" % program)
        print("tables:     %d lines, %.1f MB in 8 files" % (args.lines, table_bytes / 1e6))
        print("acks.db:    %.1f MB" % (database / 1e6))
        report("speechbake:", bake, args.runs, args.lines, table_bytes)
        report("cat floor:", read, args.runs, args.lines, table_bytes)
        print("ratio:      speechbake takes %.1f x the wall time of reading its tables" % (bake[0] / read[0]))
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
