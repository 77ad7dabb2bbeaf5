#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the GoogleTest suites
# through CTest, all of them again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz target for a bounded time
# (QUIB_FUZZ_SECONDS each, 0 skips fuzzing).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${QUIB_FUZZ_SECONDS:-20}

echo "== Build and tests"
# Release, as ./run.sh builds it, so the tests see the optimised program.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
# One clang build serves the sanitizers and the fuzzers alike.
scripts/build-fuzz.sh build-fuzz
(source scripts/sanitizer-env.sh && cd build-fuzz && ctest --output-on-failure -j "$jobs")

if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== Fuzz targets, ${fuzz_seconds}s each"
  scripts/fuzz-long.sh --ci "$fuzz_seconds"
else
  echo "== Fuzz targets skipped (QUIB_FUZZ_SECONDS=0)"
fi
echo "All tests passed."
