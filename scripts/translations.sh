#!/usr/bin/env bash
# The translations of the window (translations/quib-configurator_<code>.ts).
#
#   scripts/translations.sh update        takes every text from the sources
#                                         into each .ts file (new ones
#                                         unfinished, texts gone dropped)
#   scripts/translations.sh add CODE      starts the .ts file of a new language
#   scripts/translations.sh check         fails when a .ts file is not what
#                                         update would make of it, or holds
#                                         a text unfinished or obsolete
#
# Line numbers are not kept in the files, so moving code changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 1; }

sources=(app themes blitters controls platform resources)
run_lupdate() {  # run_lupdate <ts files...>
  "$lupdate" -silent -I . -locations none -no-obsolete -extensions cpp,h,ui "${sources[@]}" -ts "$@"
}

case "${1:-}" in
  update)
    run_lupdate translations/*.ts
    ;;
  add)
    code=${2:?give the language code, e.g. it or pt_BR}
    run_lupdate "translations/quib-configurator_$code.ts"
    echo "translations/quib-configurator_$code.ts: translate it (linguist), then add \"$code\" to app/Language.h"
    ;;
  check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    status=0
    cp translations/*.ts "$scratch/"
    run_lupdate "$scratch"/*.ts
    for ts in translations/*.ts; do
      name=$(basename "$ts")
      if ! diff -u "$ts" "$scratch/$name" >"$scratch/$name.diff"; then
        echo "FAIL: $ts is not up to date with the sources (run scripts/translations.sh update):"
        head -40 "$scratch/$name.diff"
        status=1
      fi
      unfinished=$(grep -c 'type="unfinished"\|type="vanished"\|type="obsolete"' "$scratch/$name" || true)
      if [ "$unfinished" -gt 0 ]; then
        echo "FAIL: $ts has $unfinished texts unfinished or obsolete:"
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$scratch/$name" |
          grep '<source>' | head -20
        status=1
      fi
    done
    [ "$status" -eq 0 ] && echo "every translation is complete and up to date"
    exit "$status"
    ;;
  *)
    sed -n '2,11p' "$0" >&2
    exit 2
    ;;
esac
