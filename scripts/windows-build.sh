#!/usr/bin/env bash
# Builds the whole program for 64-bit Windows with MinGW-w64 against the Qt
# that scripts/windows-qt.sh built (every test suite and benchmark too), and
# runs every GoogleTest suite under Wine on a virtual display (Xvfb) with Qt's
# windows platform, as a Windows user's desktop would.
#   scripts/windows-build.sh [build-dir [ctest options]]   (default: build-windows-qt)
#   QUIB_QT_MINGW_DIR   the Qt for Windows (as scripts/windows-qt.sh)
# Wine runs in a scratch prefix with a home of its own inside the build
# folder: nothing of the user's home, menus or file associations changes.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
build=${1:-build-windows-qt}
shift || true
qt=${QUIB_QT_MINGW_DIR:-$HOME/.cache/quib-configurator-build/qt-6.4.2-mingw64}
[ -f "$qt/quib-stamp.txt" ] || {
  echo "windows-build: no Qt for Windows in $qt; build it with scripts/windows-qt.sh" >&2
  exit 1
}
source scripts/windows-env.sh

if [ -z "${QUIB_WINDOWS_SUITES_ON_DISPLAY:-}" ]; then
  # Google Benchmark for the target, from Debian's source of the version the
  # host has.
  bench_version=$(dpkg-query -W -f='${Version}' libbenchmark-dev 2>/dev/null || true)
  bench_src=""
  if [ -n "$bench_version" ]; then
    bench_src="$(dirname "$qt")/benchmark-$bench_version"
    if [ ! -f "$bench_src/src/CMakeLists.txt" ]; then
      source scripts/debian-source.sh
      rm -rf "$bench_src.work"
      debian_source benchmark "$bench_version" "$bench_src.work" >/dev/null
      rm -rf "$bench_src"
      mv "$bench_src.work/src" "$bench_src"
      rm -rf "$bench_src.work"
    fi
  fi

  launcher=()
  command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$checkout/cmake/mingw-w64-qt.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQUIB_TESTS=ON -DQUIB_BENCH=ON \
    -DQUIB_BENCHMARK_SOURCE="$bench_src" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}" >/dev/null
  cmake --build "$build" -j "${QUIB_JOBS:-$(nproc)}"
  # The test writer built for Linux as well: under Wine the suites have files
  # changed by a Linux program too, whose changes reach Wine only through the
  # Linux kernel (tests/support/WriterProcess.h).
  mkdir -p "$build/linux-writer"
  "${CXX_FOR_BUILD:-c++}" -std=c++20 -O2 -Wall -Wextra -Werror tests/support/TestWriter.cpp \
    -o "$build/linux-writer/quib-test-writer"

  # The suites, on a virtual display; the Wine prefix is made on it too (one
  # made without a display sets the display up at its first window, too late
  # for the first test that waits for its window to become active).
  QUIB_WINDOWS_SUITES_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$@"
fi

wine_session "$build"
QUIB_LINUX_WRITER=$(wine_path_of "$build/linux-writer/quib-test-writer")
export QUIB_LINUX_WRITER
# Wine keeps QT_* variables from Windows programs: the suites use Qt's windows
# platform on the virtual display.
cd "$build" && ctest --output-on-failure --timeout 300 "$@"
