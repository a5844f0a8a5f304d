#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on the whole core) in build/fuzz and runs each for a bounded
# time: the design-condition file loader, then condition sets through the
# command line, the whole calculation and every export. Exits non-zero on a
# crash.
#   scripts/fuzz.sh [SECONDS]   (default 60, for each target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
jobs="${KOVREL_JOBS:-2}"

# -O1: the sanitizers still see everything, and a run of the whole
# calculation and its exports is several times faster than unoptimised.
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKOVREL_FUZZ=ON -DKOVREL_TESTS=OFF -DBUILD_GUI=OFF -DKOVREL_SANITIZE=ON >/dev/null
cmake --build build/fuzz -j"$jobs" --target dat_loader_fuzz conditions_run_fuzz

# Seed the loader's corpus with real files: the start-up conditions as saved.
corpus=build/fuzz/corpus/dat_loader
mkdir -p "$corpus"
if [ ! -e "$corpus/start-up.dat" ]; then
  cmake --build build/fuzz -j"$jobs" --target kovrel-cli
  build/fuzz/kovrel-cli --no-calc --save "$corpus/start-up.dat"
  build/fuzz/kovrel-cli --no-calc --set RadioGroup2=1 --set CheckBox3=1 --set RadioGroup5=1 \
    --set PageControl2=1 --save "$corpus/variant.dat"
fi

build/fuzz/fuzz/dat_loader_fuzz -max_total_time="$seconds" -timeout=10 -max_len=16384 \
  -artifact_prefix=build/fuzz/ "$corpus"

# Condition sets, one --set NAME=VALUE a line, seeded with walls of each kind
# and the inputs that once hung or printed zeros for infinity.
corpus=build/fuzz/corpus/conditions_run
mkdir -p "$corpus"
cp -n fuzz/seeds/conditions_run/* "$corpus"/
build/fuzz/fuzz/conditions_run_fuzz -max_total_time="$seconds" -timeout=10 -max_len=2048 \
  -dict=fuzz/conditions_run.dict -artifact_prefix=build/fuzz/ "$corpus"
