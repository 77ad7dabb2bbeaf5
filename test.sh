#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the GoogleTest suites
# through CTest, the install and package checks, the Windows cross-build checks,
# all of the suites again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time (QUIB_FUZZ_SECONDS each, 0 skips
# fuzzing). Prints how long each step took.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test

# Tests and checks run with a scratch home: no settings of the user's are read
# or changed.
scratch=$(mktemp -d)
mkdir -p "$scratch/home"
scratch_env=(HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
  XDG_DATA_HOME="$scratch/home/.local/share" XDG_CACHE_HOME="$scratch/home/.cache")

jobs=$(nproc)
fuzz_seconds=${QUIB_FUZZ_SECONDS:-20}

# Every build compiles through ccache. Its cache lies outside the checkout and
# paths are taken relative to the checkout, so a fresh clone anywhere builds
# from what an earlier run compiled.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/quib-configurator-build/ccache}
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# What ccache answered during one step.
ccache_zero() { [ ${#launcher[@]} -eq 0 ] || ccache --zero-stats >/dev/null; }
ccache_line() {
  [ ${#launcher[@]} -gt 0 ] || return 0
  ccache --print-stats | awk -F'\t' '
    /^(direct|preprocessed)_cache_hit\t/ { hit += $2 }
    /^cache_miss\t/ { miss += $2 }
    END { if (hit + miss > 0) printf "ccache: %d of %d compilations from the cache\n", hit, hit + miss }'
}

# Each step's time, printed as the run ends (also when a step fails).
steps=()
step_name=""
step_start=$SECONDS
run_start=$SECONDS
end_step() {
  [ -n "$step_name" ] && steps+=("$(printf '%5d s  %s' $((SECONDS - step_start)) "$step_name")")
  step_name=""
}
step() {
  end_step
  step_name=$1
  step_start=$SECONDS
  echo "== $1"
}
summary() {
  end_step
  echo "-- time per step"
  [ ${#steps[@]} -eq 0 ] || printf '%s\n' "${steps[@]}"
  printf '%5d s  in all\n' $((SECONDS - run_start))
  rm -rf "$scratch"
}
trap summary EXIT

step "Build"
# In ./run.sh's Release folder, so the tests see the optimised program and
# neither script builds it twice.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIB_TESTS=ON -DQUIB_BENCH=ON \
  "${launcher[@]}" >/dev/null
ccache_zero
cmake --build build-release -j "$jobs"
ccache_line

step "Tests"
(cd build-release && env "${scratch_env[@]}" QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

step "Install and package"
scripts/check-install.sh build-release

# The whole program for Windows needs Qt built for MinGW-w64 from Debian's
# source: built here once when missing (17 minutes on two idle cores; a whole
# fresh ./test.sh then took 38 minutes), reused afterwards.
# QUIB_BUILD_WINDOWS_QT=0 leaves it unbuilt; the Windows program steps then run
# only with a Qt already in the cache.
windows_qt=${QUIB_QT_MINGW_DIR:-$HOME/.cache/quib-configurator-build/qt-6.4.2-mingw64}
if [ "${QUIB_BUILD_WINDOWS_QT:-1}" = 1 ]; then
  step "Windows: Qt 6 for MinGW-w64 from Debian's source (reused when built)"
  scripts/windows-qt.sh
elif [ -f "$windows_qt/quib-stamp.txt" ]; then
  # A Qt built before its TGA plugin was part of it gets the plugin (a minute).
  step "Windows: the picture plugins of the Qt for MinGW-w64"
  scripts/windows-qt.sh --plugins-only
fi
if [ -f "$windows_qt/quib-stamp.txt" ]; then
  # The program's build holds every Qt-free library and suite as well, so
  # scripts/windows-check.sh (the Qt-free part alone) would only repeat them.
  step "Windows: the whole program and every suite built with MinGW-w64, run under Wine"
  ccache_zero
  scripts/windows-build.sh build-windows-qt
  ccache_line
  step "Windows: the packages"
  scripts/windows-package.sh build-windows-qt
  step "Windows: the portable copy under Wine against the Linux program"
  scripts/windows-run-check.sh build-windows-qt build-release
  step "Windows: the installer under Wine"
  scripts/windows-installer-check.sh build-windows-qt
else
  step "Windows: Qt-free libraries and their suites built with MinGW-w64, run under Wine"
  ccache_zero
  scripts/windows-check.sh build-windows
  ccache_line
  echo "Windows program skipped: no Qt for Windows in $windows_qt"
  echo "(QUIB_BUILD_WINDOWS_QT=0; build it with scripts/windows-qt.sh)"
fi

step "Sanitizer build"
# One clang build serves the sanitizers and the fuzzers alike.
ccache_zero
scripts/build-fuzz.sh build-fuzz
ccache_line

step "Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
(source scripts/sanitizer-env.sh && cd build-fuzz && env "${scratch_env[@]}" ctest --output-on-failure -j "$jobs")

if [ "$fuzz_seconds" -gt 0 ]; then
  step "Fuzz targets, ${fuzz_seconds}s each"
  scripts/fuzz-long.sh --ci "$fuzz_seconds"
else
  echo "== Fuzz targets skipped (QUIB_FUZZ_SECONDS=0)"
fi
end_step
echo "All tests passed."
