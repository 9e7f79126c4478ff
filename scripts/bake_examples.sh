#!/usr/bin/env bash
# Builds the toolkit and bakes every example table in examples/ into a fresh
# output folder (default: out/examples), then lists what was written.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-out/examples}
case "$out" in /*) ;; *) out="$root/$out" ;; esac

cmake -S . -B build -DBAKE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null

# The builders read their tables from the current directory and leave their
# temporary registry file there, so they run in a scratch copy of examples/.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/*.txt "$work/"
rm -rf "$out"
mkdir -p "$out"
cd "$work"
for program in talentbake gearbake trailbake switchbake speechbake journalbake; do
  if [ -x "$root/build/bin/$program" ]; then
    echo "== $program"
    "$root/build/bin/$program" "$out"
  fi
done
echo
echo "Databases written to $out:"
ls -l "$out"
