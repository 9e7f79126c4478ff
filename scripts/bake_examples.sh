#!/usr/bin/env bash
# Builds the toolkit and bakes the example tables of examples/<program>/ into a
# fresh output folder (default: out/examples), then lists what was written.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-out/examples}
case "$out" in /*) ;; *) out="$root/$out" ;; esac

cmake -S . -B build -DBAKE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null

# Each builder reads its tables from the current directory and leaves its
# temporary registry file there, so it runs in a scratch copy of its folder.
# (Some table names, such as NPCs.txt, mean different tables to different
# builders; hence one folder per builder.)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
mkdir -p "$out"
for program in talentbake gearbake trailbake switchbake speechbake journalbake; do
  echo "== $program"
  mkdir "$work/$program"
  cp "examples/$program"/*.txt "$work/$program/"
  (cd "$work/$program" && "$root/build/bin/$program" "$out")
done
echo
echo "Databases written to $out:"
ls -l "$out"
