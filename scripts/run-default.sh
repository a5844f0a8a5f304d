#!/usr/bin/env bash
# Installs what is missing, builds the release program and runs the main job
# on the built-in default wall: the calculation, its summary and every output
# the program writes, into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
mkdir -p out
./build/release/kovrel-cli --json out/default.json --summary
echo "Outputs written to $(pwd)/out"
