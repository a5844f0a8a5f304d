#!/usr/bin/env bash
# Installs what is missing, builds the normal and the sanitizer builds and runs
# every test in both, then once more under a decimal-comma locale, and fuzzes
# the design-condition file loader and condition sets through the whole run,
# each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"

cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"

LC_ALL=de_DE.UTF-8 ctest --preset release -j"$jobs"

cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

bash scripts/fuzz.sh "${KOVREL_FUZZ_SECONDS:-60}"
