#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan) in build-fuzz/ and runs each for the given
# number of seconds (default 20). Any crash, leak or undefined behaviour fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLANTUO_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
shopt -s nullglob
for target in build-fuzz/fuzz/fuzz_*; do
  # Only the programs: the folder also holds each target's generated *_autogen directory.
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
  echo "fuzzing $name for ${seconds}s"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 "$corpus" \
    > "build-fuzz/$name.log" 2>&1 || { tail -n 60 "build-fuzz/$name.log"; exit 1; }
done
echo "fuzz targets ran clean"
