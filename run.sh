#!/usr/bin/env bash
# Installs what building and running need, builds the configurator in Release
# (in build-release/, the folder ./test.sh uses too) and starts it. Arguments
# go to the program: ./run.sh /path/to/emulator opens that directory.
# On the first start it points the configurator at a copy of the bundled
# sample emulator directory so there is something to edit.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

build=build-release
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" >/dev/null  # keeps what ./test.sh configured
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIB_TESTS=OFF -DQUIB_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target quib-configurator -j "$(nproc)"

exe="$build/app/quib-configurator"
scripts/first-start.sh "$(dirname "$exe")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start the configurator under a virtual display with:" >&2
  echo "  xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec "$exe" "$@"
