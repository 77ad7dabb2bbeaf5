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

wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
if [ -z "$wine" ] || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "windows-check: needs wine64 and g++-mingw-w64-x86-64-posix (scripts/install-deps.sh --test)" >&2
  exit 1
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQUIB_WITH_QT=OFF -DQUIB_BENCH=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

# Wine keeps everything in a prefix inside the build folder, with a home of its
# own: nothing of the user's home, desktop menus or file associations changes.
root="$(cd "$build" && pwd)/wine"
mkdir -p "$root/home"
export WINEPREFIX="$root/prefix" HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config"
export XDG_DATA_HOME="$root/home/.local/share" XDG_CACHE_HOME="$root/home/.cache"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
[ -f "$WINEPREFIX/system.reg" ] || echo "windows-check: setting up a Wine prefix in $WINEPREFIX (once)"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
# One Wine server, with its services started here with their output going
# nowhere (they outlive each test, and a test's output pipe would then never
# close), ended when the check ends.
"$wineserver" -p >/dev/null 2>&1 </dev/null || true
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
"$wine" cmd /c exit >/dev/null 2>&1 </dev/null || true
(cd "$build" && ctest --output-on-failure --timeout 300)
