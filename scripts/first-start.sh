#!/usr/bin/env bash
# First start: when the configurator's settings file names no emulator
# directory yet, copy the sample emulator directory to a writable demo folder
# (once) and record it as "Quib path" in section [Settings].
set -euo pipefail
exe_dir=$1
ini="$exe_dir/Quib Configurator.ini"
if [ ! -w "$exe_dir" ]; then
  ini="${XDG_CONFIG_HOME:-$HOME/.config}/Quib Configurator/Quib Configurator.ini"
fi

current=""
if [ -f "$ini" ]; then
  current=$(awk -F= 'BEGIN{IGNORECASE=1} /^\[/{s=tolower($0)} s=="[settings]" && tolower($1)=="quib path"{print substr($0, index($0,"=")+1)}' "$ini" | tr -d '\r' | head -n 1)
fi
[ -n "$current" ] && exit 0

demo="${XDG_DATA_HOME:-$HOME/.local/share}/quib-configurator/demo-emulator"
if [ ! -d "$demo" ]; then
  mkdir -p "$(dirname "$demo")"
  cp -r "$(dirname "$0")/../samples/emulator" "$demo"
  echo "Copied the sample emulator directory to $demo"
fi

mkdir -p "$(dirname "$ini")"
if [ -f "$ini" ] && grep -qi '^\[settings\]' "$ini"; then
  tmp=$(mktemp)
  awk -v path="$demo/" 'BEGIN{done=0} {print} tolower($0) ~ /^\[settings\]/ && !done {print "Quib path=" path; done=1}' "$ini" >"$tmp"
  grep -vi '^quib path=$' "$tmp" >"$ini" || true
  rm -f "$tmp"
else
  printf '[Settings]\r\nQuib path=%s/\r\n' "$demo" >>"$ini"
fi
