#!/usr/bin/env bash
# Writes PNG pictures of the desktop program for a human review, offscreen:
# the main window, every page and tab of the design-conditions window for
# both wall types and both load cases, the menus, the keypad and about box,
# and each wall picture in the states of its switches.
#   scripts/gui-screenshots.sh [DIR]   (default out/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-out/screenshots}"
cmake --preset release -DBUILD_GUI=ON >/dev/null
cmake --build --preset release -j"${KOVREL_JOBS:-2}" --target kovrel-screenshots
QT_QPA_PLATFORM=offscreen ./build/release/gui/kovrel-screenshots "$out" 2> >(grep -v "does not support" >&2)
