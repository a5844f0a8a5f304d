#!/usr/bin/env bash
# Paints every chart of the default wall's results with the desktop program's
# chart canvas (Qt, offscreen) into out/charts/qt/*.png, and writes the same
# charts as SVG files into out/charts/svg/ (with PNG copies when rsvg-convert
# is installed), so that the two can be compared side by side.
#   scripts/chart-screenshots.sh [SCALE]     (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
scale="${1:-2}"
cmake --preset release -DBUILD_GUI=ON >/dev/null
cmake --build build/release -j2 --target chart_screenshots kovrel-cli
mkdir -p out/charts/qt out/charts/svg
QT_QPA_PLATFORM=offscreen ./build/release/tests/gui/chart_screenshots out/charts/qt "$scale"
./build/release/kovrel-cli --svg out/charts/svg >/dev/null
if command -v rsvg-convert >/dev/null; then
  for f in out/charts/svg/*.svg; do rsvg-convert -z "$scale" "$f" -o "${f%.svg}.png"; done
else
  echo "rsvg-convert (librsvg2-bin) is not installed: SVGs left unconverted"
fi
echo "Charts written to $(pwd)/out/charts"
