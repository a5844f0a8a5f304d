#!/usr/bin/env bash
# Installs what is missing and builds the release programs. With a display
# (X11 or Wayland) it starts the desktop program on the built-in default wall.
# Without one it runs the main job on the default wall instead: the
# calculation with its summary, and every output the program writes (results
# as JSON, the text report, the PDF report, the metafile and SVG figures, the
# design conditions as a file), into out/; then it says how to start the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs="$(nproc)"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cmake --preset release -DBUILD_GUI=ON >/dev/null
  cmake --build --preset release -j"$jobs" --target kovrel
  exec ./build/release/gui/kovrel "$@"
fi

cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs" --target kovrel-cli
mkdir -p out
./build/release/kovrel-cli --summary --json out/default.json --text out/擁壁.txt \
  --pdf out/擁壁計算結果.pdf --wmf out/figures --svg out/figures --save out/default.dat
echo "Outputs written to $(pwd)/out"
cat <<MSG

No display found, so the desktop program was not started. To start it:
  on a desktop session:      bash scripts/run-default.sh
  under a virtual display:   xvfb-run -a -s "-screen 0 1600x1000x24" bash scripts/run-default.sh
  after a build:             ./build/release/gui/kovrel [FILE.dat]
MSG
