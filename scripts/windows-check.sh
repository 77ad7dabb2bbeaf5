#!/usr/bin/env bash
# Builds every Qt-free library and its GoogleTest suites for 64-bit Windows
# with MinGW-w64 and runs the suites under Wine: the store's saving (replacing
# an existing, a read-only and an open file), line breaks and file names with
# Windows-1252 letters are checked through the real Windows calls.
#   scripts/windows-check.sh [build-dir]      (default: build-windows)
# Needs g++-mingw-w64-x86-64-posix, wine64 and googletest (the sources).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

source scripts/windows-env.sh

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQUIB_WITH_QT=OFF -DQUIB_BENCH=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

# Wine keeps everything in a prefix inside the build folder, with a home of its
# own: nothing of the user's home, desktop menus or file associations changes.
wine_session "$build"
(cd "$build" && ctest --output-on-failure --timeout 300 -j "$(nproc)")
