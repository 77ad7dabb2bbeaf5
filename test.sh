#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the GoogleTest suites
# through CTest, the install and package checks, the Windows cross-build check,
# the Qt-free units again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test

# Tests and checks run with a scratch home: no settings of the user's are read
# or changed.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home"
scratch_env=(HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
  XDG_DATA_HOME="$scratch/home/.local/share" XDG_CACHE_HOME="$scratch/home/.cache")

jobs=$(nproc)
fuzz_seconds=${QUIB_FUZZ_SECONDS:-30}

echo "== Build and tests"
# In ./run.sh's Release folder, so the tests see the optimised program and
# neither script builds it twice.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIB_TESTS=ON -DQUIB_BENCH=ON >/dev/null
cmake --build build-release -j "$jobs"
(cd build-release && env "${scratch_env[@]}" QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== Install and package"
scripts/check-install.sh build-release

echo "== Windows: Qt-free libraries and their tests built with MinGW-w64, run under Wine"
scripts/windows-check.sh build-windows

echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIB_WITH_QT=OFF -DQUIB_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san" >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs")

echo "== Fuzz targets, ${fuzz_seconds}s each"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIB_WITH_QT=OFF \
  -DQUIB_FUZZ=ON -DQUIB_TESTS=OFF -DQUIB_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$jobs"
shopt -s nullglob
for fuzzer in build-fuzz/fuzzers/*; do
  name=$(basename "$fuzzer")
  work=$(mktemp -d)
  seeds=()
  for dir in fuzz/*/corpus/"$name"; do seeds+=("$dir"); done
  echo "-- $name"
  if ! "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 -artifact_prefix="$work/" \
       "$work" "${seeds[@]}" >"$work/log" 2>&1; then
    tail -n 40 "$work/log"
    echo "Fuzz target $name found a fault; the input is in $work" >&2
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE' "$work/log" | tail -n 1 || true
  rm -rf "$work"
done
echo "All tests passed."
