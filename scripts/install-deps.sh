#!/usr/bin/env bash
# Installs the Debian packages the project needs. Idempotent: when all are
# present it does nothing; otherwise it says what it installs, runs one
# apt-get update and one install.
#   scripts/install-deps.sh          what building and running the program need
#   scripts/install-deps.sh --test   that, plus the tools ./test.sh uses
set -euo pipefail

# Building and running the configurator.
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-image-formats-plugins libgl1-mesa-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libdtl-dev
  fonts-dejavu-core
)
what="the build tools and Qt 6"
# (qt6-tools-dev and qt6-l10n-tools build the translations, qt6-translations-l10n
# holds Qt's own dialog texts in every language.)
# Testing: GoogleTest and Google Benchmark, clang for the sanitizers and the
# fuzzers, a virtual display and ImageMagick for screenshots, a Japanese font
# for the layout test of the Japanese window, the desktop file
# and AppStream validators, dpkg-dev and file for the package, locales for the tests that
# run under a decimal-comma locale, MinGW-w64 and Wine for the Windows checks,
# NSIS for the Windows installer, xdotool to drive the program on the virtual
# display, e2fsprogs (chattr) for the saving tests' append-only files.
if [ "${1:-}" = "--test" ]; then
  packages+=(
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth x11-utils imagemagick fonts-ipafont-gothic
    desktop-file-utils appstream dpkg-dev file locales
    g++-mingw-w64-x86-64-posix wine64 nsis xdotool e2fsprogs ccache
  )
  what="the build tools, Qt 6 and the test tools"
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing ${what} from Debian (${#missing[@]} packages, this takes a few minutes): ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
