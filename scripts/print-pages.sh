#!/usr/bin/env bash
# Prints the report of three walls with `kovrel --print-to` and renders every
# sheet into a PNG for review: the default inverted-T wall, an L wall with a
# shear key, and a seismic run with water (buoyancy in the slab design). The
# PDFs and pictures go to out/printed/ (or the folder given).
#   scripts/print-pages.sh [DIR] [DPI]     (default out/printed, 100 dpi)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out/printed}"
dpi="${2:-100}"
cmake --preset release -DBUILD_GUI=ON >/dev/null
cmake --build build/release -j2 --target kovrel kovrel-cli
mkdir -p "$out"
cli=./build/release/kovrel-cli
kovrel=./build/release/gui/kovrel

# Each wall's design conditions as a file, then its report printed from it.
declare -A walls=(
  [default]=""
  [l-wall-key]="--set PageControl2=1 --set RadioGroup2=1 --set Edit35=2500 --set Edit40=500 --set Edit41=500"
  [seismic-water]="--set RadioGroup5=1 --set Form9.RadioGroup4=1 --set Edit61=0.2 --set CheckBox3=1 --set Edit62=1.5 --set ComboBox8=9.8 --set CheckBox2=1"
)
for wall in default l-wall-key seismic-water; do
  # shellcheck disable=SC2086
  "$cli" --no-calc ${walls[$wall]} --save "$out/$wall.dat" >/dev/null
  QT_QPA_PLATFORM=offscreen "$kovrel" --print-to "$out/$wall.pdf" "$out/$wall.dat"
  rm -f "$out/$wall"-*.png
  pdftoppm -r "$dpi" -png "$out/$wall.pdf" "$out/$wall"
  echo "$wall: $(pdfinfo "$out/$wall.pdf" | sed -n 's/^Pages: *//p') sheets"
done
echo "Sheets written to $(cd "$out" && pwd)"
