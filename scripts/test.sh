#!/usr/bin/env bash
# Builds the toolkit with warnings as errors and runs every test, then builds it
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DBAKE_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DBAKE_WERROR=ON -DBAKE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
