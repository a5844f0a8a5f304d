#!/usr/bin/env bash
# Writes PNG pictures of the results window and the reference windows for a
# human review, offscreen: every results page for the default wall, an L wall
# with a shear key and a seismic run with ground water, and each reference
# window (soil constants, earth-pressure and bearing-capacity factors,
# allowable stresses, the C1, C2, Po table).
#   scripts/results-screenshots.sh [DIR]   (default out/screenshots/results)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out/screenshots/results}"
cmake --preset release -DBUILD_GUI=ON >/dev/null
cmake --build --preset release -j"${KOVREL_JOBS:-2}" --target kovrel-results-screenshots
QT_QPA_PLATFORM=offscreen ./build/release/gui/kovrel-results-screenshots "$out" 2> >(grep -v "does not support" >&2)
