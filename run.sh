#!/usr/bin/env bash
# Installs what is missing, builds the configurator in Release and starts it.
# On the first start it points the configurator at a copy of the bundled
# sample emulator directory so there is something to edit.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIB_TESTS=OFF -DQUIB_BENCH=OFF >/dev/null
cmake --build build-release -j "$(nproc)"

exe="build-release/app/quib-configurator"
scripts/first-start.sh "$(dirname "$exe")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start the configurator under a virtual display with:" >&2
  echo "  xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec "$exe"
