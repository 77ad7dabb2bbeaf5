#!/usr/bin/env bash
# Takes a screenshot of the configurator on one page, on a fresh copy of the
# sample emulator directory, under a virtual display.
#   scripts/screenshot.sh <build-dir> <page-index 0..12> <out.png> [extra ini lines...]
# The program runs from a scratch copy with its own settings file and a
# scratch home: no settings file of the user's is read or changed.
set -euo pipefail
build=$1
page=$2
out=$3
shift 3
exe="$build/app/quib-configurator"
src="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/samples/emulator" "$work/emulator"
mkdir -p "$work/program" "$work/home"
cp "$exe" "$work/program/"
ini="$work/program/Quib Configurator.ini"
{
  printf '[Settings]\r\nQuib path=%s/\r\nActive page=%s\r\nLeft=10\r\nTop=10\r\n' "$work/emulator" "$page"
  for line in "$@"; do printf '%s\r\n' "$line"; done
} >"$ini"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
  XDG_CACHE_HOME="$work/home/.cache" \
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$work/program/quib-configurator' & pid=\$!
  sleep 3
  import -window root '$work/full.png'
  kill \$pid
"
# Crop to the window's area.
convert "$work/full.png" -trim +repage "$out"
echo "wrote $out"
