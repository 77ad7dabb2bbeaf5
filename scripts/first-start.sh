#!/usr/bin/env bash
# First start: when the configurator's settings file names no emulator
# directory yet, copy the sample emulator directory to a writable demo folder
# and record it as "Quib path" in section [Settings]. When the settings name
# the demo folder and it has gone, it is copied again.
#   scripts/first-start.sh <folder of the program>
set -euo pipefail
exe_dir=$1
name="Quib Configurator.ini"
config_dir="${XDG_CONFIG_HOME:-$HOME/.config}/quib-configurator"
beside="$exe_dir/$name"

# Settings that earlier versions kept in this build folder move to the user's
# configuration folder, unless that already has a settings file: deleting the
# build folder then no longer forgets them.
src="$(cd "$(dirname "$0")/.." && pwd)"
if [ -f "$beside" ] && [ ! -e "$config_dir/$name" ] &&
   [ "$(cd "$exe_dir" && pwd)" = "$src/build-release/app" ]; then
  mkdir -p "$config_dir"
  mv "$beside" "$config_dir/$name"
  echo "Moved the configurator's settings from $beside to $config_dir/"
fi

# The same file the configurator picks: a writable one beside it (a portable
# copy), else the one in the user's configuration folder.
ini="$config_dir/$name"
if [ -f "$beside" ] && [ -w "$beside" ] && [ -w "$exe_dir" ]; then ini=$beside; fi

# The settings file without its CRs, for reading.
plain=""
[ -f "$ini" ] && plain=$(tr -d '\r' <"$ini")

current=$(printf '%s\n' "$plain" | awk '
  /^[ \t]*\[/ { s = tolower($0); gsub(/[ \t]/, "", s) }
  s == "[settings]" {
    eq = index($0, "=")
    if (eq > 0) {
      key = tolower(substr($0, 1, eq - 1)); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (key == "quib path") { v = substr($0, eq + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
    }
  }')

demo="${XDG_DATA_HOME:-$HOME/.local/share}/quib-configurator/demo-emulator"
copy_demo() {
  mkdir -p "$(dirname "$demo")"
  cp -r "$src/samples/emulator" "$demo"
  echo "Copied the sample emulator directory to $demo"
}

if [ -n "$current" ]; then
  # A directory of the user's stays as it is, even when it is missing.
  if [ "${current%/}" = "$demo" ] && [ ! -d "$demo" ]; then copy_demo; fi
  exit 0
fi

[ -d "$demo" ] || copy_demo
mkdir -p "$(dirname "$ini")"
# Drop any empty "Quib path" line of [Settings], then add ours right after the
# section header (or a new section at the end).
printf '%s\n' "$plain" | awk -v path="$demo/" '
  BEGIN { done = 0 }
  /^[ \t]*\[/ { s = tolower($0); gsub(/[ \t]/, "", s) }
  {
    eq = index($0, "=")
    key = eq > 0 ? tolower(substr($0, 1, eq - 1)) : ""
    gsub(/^[ \t]+|[ \t]+$/, "", key)
    if (s == "[settings]" && key == "quib path") next
    if ($0 != "" || NR > 1) print
    if (s == "[settings]" && !done && $0 ~ /^[ \t]*\[/) { print "Quib path=" path; done = 1 }
  }
  END { if (!done) { print "[Settings]"; print "Quib path=" path } }' |
  sed 's/$/\r/' >"$ini.tmp"
mv "$ini.tmp" "$ini"
