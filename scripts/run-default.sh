#!/usr/bin/env bash
# Installs what is missing, builds the release program and runs the main job
# on the built-in default wall: the calculation with its summary, and every
# output the program writes (results as JSON, the text report, the PDF report,
# the metafile and SVG figures, the design conditions as a file), into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target kovrel-cli
mkdir -p out
./build/release/kovrel-cli --summary --json out/default.json --text out/擁壁.txt \
  --pdf out/擁壁計算結果.pdf --wmf out/figures --svg out/figures --save out/default.dat
echo "Outputs written to $(pwd)/out"
