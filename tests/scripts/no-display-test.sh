#!/usr/bin/env bash
# The command line answers without a display: --help and --version print and
# succeed, a start without a display says what is missing and ends with 1
# instead of Qt's abort. Runs the built program with every display variable
# removed and a scratch home.
set -uo pipefail
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

run() {  # run <expected status> <args...>: output in $out, errors in $err
  local expected=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch" \
    XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" LANGUAGE= \
    LC_ALL="${locale:-C.UTF-8}" \
    "$program" "$@" >"$scratch/out" 2>"$scratch/err"
  status=$?
  out=$(cat "$scratch/out")
  err=$(cat "$scratch/err")
  [ "$status" -eq "$expected" ] || fail "$* ended with $status, not $expected: $out $err"
}

run 0 --version
[[ "$out" == "Quib Configurator "[0-9]* ]] || fail "--version printed: $out"
run 0 -platform offscreen --version  # Qt's own options are left to Qt
[[ "$out" == "Quib Configurator "* ]] || fail "-platform offscreen --version printed: $out"
run 0 --help
grep -q 'EMULATOR_DIR' <<<"$out" || fail "--help names no EMULATOR_DIR: $out"
grep -q -- '--language' <<<"$out" || fail "--help names no --language: $out"

for args in "" "/nonexistent/emulator" "--language fr"; do
  # shellcheck disable=SC2086
  run 1 $args
  [ "$(wc -l <<<"$err")" -eq 1 ] || fail "start ($args) without a display wrote more than one line: $err"
  grep -q 'DISPLAY' <<<"$err" && grep -q 'xvfb-run' <<<"$err" ||
    fail "start ($args) without a display does not name DISPLAY and xvfb-run: $err"
done

# The language: the command line's, else the settings file's, else the system's.
run 0 --language de --help
grep -q 'Bearbeitet die Einstellungsdateien' <<<"$out" || fail "--language de --help: $out"
mkdir -p "$scratch/config/quib-configurator"
printf '[Settings]\r\nLanguage=fr\r\n' >"$scratch/config/quib-configurator/Quib Configurator.ini"
run 0 --help
grep -q 'Modifie les fichiers' <<<"$out" || fail "Language=fr in the settings file: $out"
locale=ja_JP.UTF-8 run 0 --language system --help
grep -q '設定ファイルを編集します' <<<"$out" || fail "--language system under ja_JP: $out"
rm "$scratch/config/quib-configurator/Quib Configurator.ini"

run 2 --language xx
grep -q '"xx"' <<<"$err" || fail "an unknown language is not named: $err"
run 2 one two
echo "no-display checks passed"
