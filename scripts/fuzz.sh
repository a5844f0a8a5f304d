#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on the whole core) in build/fuzz and runs the design-condition
# file loader's fuzzer for a bounded time. Exits non-zero on a crash.
#   scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
jobs="${KOVREL_JOBS:-2}"

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKOVREL_FUZZ=ON -DKOVREL_TESTS=OFF -DBUILD_GUI=OFF -DKOVREL_SANITIZE=ON >/dev/null
cmake --build build/fuzz -j"$jobs" --target dat_loader_fuzz

# Seed the corpus with a real file: the start-up conditions as saved.
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
