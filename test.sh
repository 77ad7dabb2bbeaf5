#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the GoogleTest suites
# through CTest, the install and package checks, the Windows cross-build checks,
# all of the suites again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time (QUIB_FUZZ_SECONDS each, 0 skips
# fuzzing).
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
fuzz_seconds=${QUIB_FUZZ_SECONDS:-20}

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

# The whole program for Windows needs Qt built for MinGW-w64 from Debian's
# source: built here once when missing (17 minutes on two idle cores; a whole
# fresh ./test.sh then took 38 minutes), reused afterwards.
# QUIB_BUILD_WINDOWS_QT=0 leaves it unbuilt; the Windows program steps then run
# only with a Qt already in the cache.
windows_qt=${QUIB_QT_MINGW_DIR:-$HOME/.cache/quib-configurator-build/qt-6.4.2-mingw64}
if [ "${QUIB_BUILD_WINDOWS_QT:-1}" = 1 ]; then
  echo "== Windows: Qt 6 for MinGW-w64 from Debian's source (reused when built)"
  scripts/windows-qt.sh
elif [ -f "$windows_qt/quib-stamp.txt" ]; then
  # A Qt built before its TGA plugin was part of it gets the plugin (a minute).
  scripts/windows-qt.sh --plugins-only
fi
if [ -f "$windows_qt/quib-stamp.txt" ]; then
  echo "== Windows: the whole program, its tests under Wine, the packages"
  windows_start=$(date +%s)
  scripts/windows-build.sh build-windows-qt
  scripts/windows-package.sh build-windows-qt
  scripts/windows-run-check.sh build-windows-qt build-release
  scripts/windows-installer-check.sh build-windows-qt
  echo "Windows steps took $(($(date +%s) - windows_start)) s"
else
  echo "== Windows program skipped: no Qt for Windows in $windows_qt"
  echo "   (QUIB_BUILD_WINDOWS_QT=0; build it with scripts/windows-qt.sh)"
fi

echo "== Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
# One clang build serves the sanitizers and the fuzzers alike.
scripts/build-fuzz.sh build-fuzz
(source scripts/sanitizer-env.sh && cd build-fuzz && env "${scratch_env[@]}" ctest --output-on-failure -j "$jobs")

if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== Fuzz targets, ${fuzz_seconds}s each"
  scripts/fuzz-long.sh --ci "$fuzz_seconds"
else
  echo "== Fuzz targets skipped (QUIB_FUZZ_SECONDS=0)"
fi
echo "All tests passed."
