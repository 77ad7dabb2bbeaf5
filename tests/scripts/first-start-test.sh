#!/usr/bin/env bash
# Checks scripts/first-start.sh in a scratch copy of the repository with a
# scratch home: it seeds the demo directory once, seeds it again when the demo
# has gone, leaves a directory of the user's alone, keeps a portable settings
# file beside the program, and moves one from the old build-folder location.
#   tests/scripts/first-start-test.sh <source-dir>
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

repo="$work/repo"
mkdir -p "$repo/scripts" "$repo/samples"
cp "$src/scripts/first-start.sh" "$repo/scripts/"
ln -s "$src/samples/emulator" "$repo/samples/emulator"
export HOME="$work/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME
ini="$HOME/.config/quib-configurator/Quib Configurator.ini"
demo="$HOME/.local/share/quib-configurator/demo-emulator"
exe="$repo/build-release/app"
mkdir -p "$exe"

# First start: the demo is copied and named, with CR LF line ends.
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ -f "$demo/quib.cfg" ] || fail "no demo directory"
[ "$(cat "$ini")" = $'[Settings]\r\nQuib path='"$demo/"$'\r' ] || fail "settings: $(cat -A "$ini")"
before=$(cat "$ini")

# Second start: nothing changes; the user's edits in the demo stay.
echo "mine" >"$demo/note.txt"
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ "$(cat "$ini")" = "$before" ] || fail "settings changed on the second start"
[ -f "$demo/note.txt" ] || fail "the demo was copied over"

# The demo has gone: it is copied again, the settings stay as they were.
rm -rf "$demo"
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ -f "$demo/quib.cfg" ] || fail "the demo was not copied again"
[ "$(cat "$ini")" = "$before" ] || fail "settings changed when the demo came back"

# A directory of the user's, even a missing one, is left alone.
printf '[Settings]\r\nLeft=7\r\nQuib path=/nowhere/quib/\r\n' >"$ini"
before=$(cat "$ini")
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ "$(cat "$ini")" = "$before" ] || fail "a user's directory was replaced"

# An empty "Quib path" is filled in; the other lines stay.
printf '[Settings]\r\nLeft=7\r\nQuib path=\r\n[Other]\r\nx=1\r\n' >"$ini"
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ "$(cat "$ini")" = $'[Settings]\r\nQuib path='"$demo/"$'\r\nLeft=7\r\n[Other]\r\nx=1\r' ] ||
  fail "filled in: $(cat -A "$ini")"

# A settings file in the old build-folder location moves to the user's
# folder when that has none...
rm "$ini"
printf '[Settings]\r\nQuib path=/old/quib/\r\n' >"$exe/Quib Configurator.ini"
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ ! -e "$exe/Quib Configurator.ini" ] || fail "the old file stayed in the build folder"
[ "$(cat "$ini")" = $'[Settings]\r\nQuib path=/old/quib/\r' ] || fail "moved: $(cat -A "$ini")"

# ...and stays, in use, when the user's folder has one already.
printf '[Settings]\r\nQuib path=/older/quib/\r\n' >"$exe/Quib Configurator.ini"
"$repo/scripts/first-start.sh" "$exe" >/dev/null
[ "$(cat "$exe/Quib Configurator.ini")" = $'[Settings]\r\nQuib path=/older/quib/\r' ] ||
  fail "the file beside the program changed"
[ "$(cat "$ini")" = $'[Settings]\r\nQuib path=/old/quib/\r' ] || fail "the user's file changed"

# A portable copy beside a program elsewhere is used and never moved.
portable="$work/portable"
mkdir -p "$portable"
printf '[Settings]\r\nTop=3\r\n' >"$portable/Quib Configurator.ini"
"$repo/scripts/first-start.sh" "$portable" >/dev/null
[ "$(cat "$portable/Quib Configurator.ini")" = $'[Settings]\r\nQuib path='"$demo/"$'\r\nTop=3\r' ] ||
  fail "portable: $(cat -A "$portable/Quib Configurator.ini")"
echo "first-start checks passed"
