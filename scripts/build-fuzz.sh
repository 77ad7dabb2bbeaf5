#!/usr/bin/env bash
# Configures and builds the sanitizer build (clang): every unit, test and fuzz
# target compiled with AddressSanitizer and UndefinedBehaviorSanitizer and the
# fuzzers' coverage instrumentation; Qt itself stays as installed. Usage:
#   scripts/build-fuzz.sh [build-dir]     (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-fuzz}
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# -O1 with line tables only: quick to build, still fast and with readable stacks.
CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" "${launcher[@]}" \
  -DQUIB_FUZZ=ON -DQUIB_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
