#!/usr/bin/env bash
# Checks installing and packaging a configured Release build: installs it into
# a temporary prefix, checks that every file is there, validates the desktop
# entry and the AppStream metainfo, starts the installed program with
# --version and --help (offscreen), builds the Debian package, lists its
# contents and dependencies, and starts the program unpacked from it.
#   scripts/check-install.sh [build-dir]      (default: build-release)
# The package stays in <build-dir>/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
id=org.example.quibconfigurator
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program runs with a scratch home: no settings of the user's are touched.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
fail() { echo "check-install: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "$build is not a configured build folder"

echo "-- install into a temporary prefix"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
files=(bin/quib-configurator share/doc/quib-configurator/readme.txt
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  share/icons/hicolor/scalable/apps/quib-configurator.svg)
for size in 16 22 24 32 48 64 128 256; do
  files+=("share/icons/hicolor/${size}x${size}/apps/quib-configurator.png")
done
for f in "${files[@]}"; do [ -s "$prefix/$f" ] || fail "not installed: $f"; done
# Each PNG is as large as the folder it sits in says (width and height are
# the big-endian numbers at bytes 16 to 23).
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/quib-configurator.png"
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
  [ "$w $h" = "$size $size" ] || fail "icon ${size}x${size} is ${w}x${h}"
done
echo "installed ${#files[@]} files"

echo "-- desktop entry and AppStream metainfo"
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"

echo "-- the installed program"
shown=$("$prefix/bin/quib-configurator" --version)
[ "$shown" = "Quib Configurator $version" ] || fail "--version printed: $shown"
echo "$shown"
"$prefix/bin/quib-configurator" --help 2>&1 | grep -q 'EMULATOR_DIR' || fail "--help names no EMULATOR_DIR"
if "$prefix/bin/quib-configurator" one two >/dev/null 2>&1; then fail "two directories were accepted"; fi

echo "-- Debian package"
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls "$build"/package/*.deb)
echo "$deb"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $3, $NF }'
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  [[ ",$depends" == *", $lib"* || ",$depends" == *",$lib"* ]] || fail "the package does not depend on $lib"
done
dpkg-deb --extract "$deb" "$work/deb"
shown=$("$work/deb/usr/bin/quib-configurator" --version)
[ "$shown" = "Quib Configurator $version" ] || fail "the packaged program printed: $shown"
[ -s "$work/deb/usr/share/doc/quib-configurator/readme.txt" ] || fail "the package lacks the readme"
echo "install and package checks passed"
