#!/usr/bin/env bash
# Builds Qt 6 (Core, Gui, Widgets, Test, and the TGA picture plugin of
# qtimageformats) for 64-bit Windows with MinGW-w64 from Debian's own source
# packages of the Qt the host tools come from, into a cache folder outside the
# checkout. A second run reuses each part while its stamp (version and
# options) matches.
#   scripts/windows-qt.sh [--plugins-only]
#     --plugins-only  only what is missing beside a Qt already built (never
#                     the half-hour build of Qt itself)
#   QUIB_QT_MINGW_DIR   where Qt goes
#                       (default ~/.cache/quib-configurator-build/qt-6.4.2-mingw64)
#   QUIB_QT_JOBS        parallel compiles (default: the number of cores)
# Needs g++-mingw-w64-x86-64-posix, qt6-base-dev-tools, cmake, ninja-build,
# dpkg-dev and network access to the Debian mirror; scripts/debian-source.sh
# fetches the source without changing the system's apt set-up.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD

version=6.4.2
prefix=${QUIB_QT_MINGW_DIR:-$HOME/.cache/quib-configurator-build/qt-$version-mingw64}
jobs=${QUIB_QT_JOBS:-$(nproc)}

die() {
  echo "windows-qt: $*" >&2
  exit 1
}

for tool in x86_64-w64-mingw32-g++-posix cmake ninja apt-get dpkg-source; do
  command -v "$tool" >/dev/null || die "needs $tool (scripts/install-deps.sh --test)"
done
host=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
case "$host" in
  "$version"+*) ;;
  *) die "needs the host tools of Qt $version (qt6-base-dev-tools), found '${host:-none}'" ;;
esac

options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
  -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
  # Debian's source leaves out src/3rdparty/wintab, which the tablet support
  # of the windows platform plugin needs.
  -DFEATURE_tabletevent=OFF
)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
toolchain_sum=$(cat cmake/mingw-w64.cmake cmake/mingw-w64-qt.cmake | sha256sum | cut -c1-16)
stamp="qtbase $host; mingw g++ $compiler; toolchain $toolchain_sum; ${options[*]}"
cache=$(dirname "$prefix")
source "$checkout/scripts/debian-source.sh"

# The TGA reader (theme pictures may be TGA files) comes from qtimageformats,
# built against the Qt above into the same folder, without the formats that
# need other libraries (the packages take only the TGA plugin).
build_imageformats() {
  local formats formats_stamp work="$prefix.imageformats.work"
  formats=$(dpkg-query -W -f='${Version}' qt6-image-formats-plugins 2>/dev/null || true)
  [ -n "$formats" ] || formats="$version-1"
  formats_stamp="qtimageformats $formats; $(cat "$prefix/quib-stamp.txt")"
  if [ -f "$prefix/quib-imageformats-stamp.txt" ] &&
    [ "$(cat "$prefix/quib-imageformats-stamp.txt")" = "$formats_stamp" ]; then
    return 0
  fi
  rm -rf "$work"
  debian_source qt6-imageformats "$formats" "$work" || die "no qtimageformats source, nothing built"
  echo "windows-qt: building the TGA plugin of qtimageformats"
  cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DFEATURE_tiff=OFF -DFEATURE_webp=OFF -DFEATURE_jasper=OFF -DFEATURE_mng=OFF \
    >"$work/configure.log" 2>&1 ||
    {
      tail -n 40 "$work/configure.log" >&2
      die "configuring qtimageformats failed (whole log: $work/configure.log)"
    }
  cmake --build "$work/build" --parallel "$jobs" || die "building qtimageformats failed (folder kept: $work)"
  cmake --install "$work/build" >/dev/null || die "installing qtimageformats into $prefix failed"
  [ -f "$prefix/plugins/imageformats/qtga.dll" ] || die "qtimageformats built no TGA plugin"
  echo "$formats_stamp" >"$prefix/quib-imageformats-stamp.txt"
  rm -rf "$work"
}

if [ "${1:-}" = --plugins-only ]; then
  [ -f "$prefix/quib-stamp.txt" ] || die "no Qt for Windows in $prefix"
  build_imageformats
  exit 0
fi
if [ -f "$prefix/quib-stamp.txt" ] && [ "$(cat "$prefix/quib-stamp.txt")" = "$stamp" ]; then
  build_imageformats
  echo "windows-qt: Qt $version for Windows is ready in $prefix"
  exit 0
fi

work="$prefix.work"
mkdir -p "$cache"
rm -rf "$work"
debian_source qt6-base "$host" "$work" || die "no Qt source, nothing built"

# Qt remembers the tool chain file it was built with; a copy of ours beside
# it keeps the path valid wherever the checkout goes.
rm -rf "$prefix"
mkdir -p "$prefix/toolchain"
cp "$checkout/cmake/mingw-w64.cmake" "$checkout/cmake/mingw-w64-qt.cmake" "$prefix/toolchain/"

echo "windows-qt: configuring (about 2 minutes)"
start=$(date +%s)
cmake -S "$work/src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain/mingw-w64-qt.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >"$work/configure.log" 2>&1 ||
  {
    tail -n 40 "$work/configure.log" >&2
    die "configuring Qt failed (whole log: $work/configure.log)"
  }

echo "windows-qt: building with $jobs jobs (about 25 minutes on 2 cores)"
cmake --build "$work/build" --parallel "$jobs" || die "building Qt failed (folder kept: $work)"
cmake --install "$work/build" >/dev/null || die "installing Qt into $prefix failed"
echo "$stamp" >"$prefix/quib-stamp.txt"
rm -rf "$work"
build_imageformats
end=$(date +%s)
echo "windows-qt: Qt $version for Windows built in $(((end - start) / 60)) min $(((end - start) % 60)) s, in $prefix"
