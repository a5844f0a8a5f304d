#!/usr/bin/env bash
# Installs the Debian packages Kovrel needs to build, test and check its
# outputs, skipping those already present. Runs as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev          # fuzzing (libFuzzer)
  qpdf poppler-utils poppler-data   # PDF checks: qpdf --check, pdfinfo, pdffonts, pdftotext
  libwmf-bin                        # wmf2svg reads the metafiles back
  fonts-urw-base35                  # the fonts wmf2svg loads; without them it fails on any text
  fonts-ipafont-gothic fonts-ipafont-mincho   # Japanese fonts for rendering checks
  locales                           # a decimal-comma locale for the locale test run
  qt6-base-dev qt6-svg-dev libgl-dev   # the desktop program: Qt 6 Widgets, PrintSupport, SVG icons
  xvfb xauth                        # the desktop program under a virtual display (smoke test, screenshots)
  fonts-noto-cjk                    # Japanese fonts the window maps its Windows fonts to
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale: the tests run once more under it to prove that no
# number in a report depends on the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
