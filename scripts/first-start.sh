#!/usr/bin/env bash
# First start: when the configurator's settings file names no emulator
# directory yet, copy the sample emulator directory to a writable demo folder
# (once) and record it as "Quib path" in section [Settings].
set -euo pipefail
exe_dir=$1
# The same file the configurator picks: the one beside it when that can be
# written (or created), else the one in the user's configuration folder.
ini="$exe_dir/Quib Configurator.ini"
if [ ! -w "$exe_dir" ] || { [ -e "$ini" ] && [ ! -w "$ini" ]; }; then
  ini="${XDG_CONFIG_HOME:-$HOME/.config}/Quib Configurator/Quib Configurator.ini"
fi

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
[ -n "$current" ] && exit 0

demo="${XDG_DATA_HOME:-$HOME/.local/share}/quib-configurator/demo-emulator"
if [ ! -d "$demo" ]; then
  mkdir -p "$(dirname "$demo")"
  cp -r "$(dirname "$0")/../samples/emulator" "$demo"
  echo "Copied the sample emulator directory to $demo"
fi

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
