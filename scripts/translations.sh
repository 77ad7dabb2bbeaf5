#!/usr/bin/env bash
# The translations of the window (translations/quib-configurator_<code>.ts).
#
#   scripts/translations.sh update        takes every text from the sources
#                                         into each .ts file: new ones
#                                         unfinished, texts gone kept as
#                                         "vanished" to translate from; a
#                                         caption whose access key alone
#                                         moved keeps its translation
#                                         (unfinished, to check the key)
#   scripts/translations.sh tidy          drops the vanished texts
#   scripts/translations.sh add CODE      starts the .ts file of a new language
#   scripts/translations.sh check         fails when a .ts file is not what
#                                         update would make of it, holds a
#                                         text unfinished or obsolete, or a
#                                         translation loses a placeholder, a
#                                         line break or its access key, or
#                                         repeats an access key in its window
#
# Line numbers are not kept in the files, so moving code changes nothing.
# English has a file of its own, quib-configurator_en.ts, that holds only the
# two forms of each count ("%n line(s)": "1 line", "2 lines").
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 1; }

sources=(app themes blitters controls platform resources store)
run_lupdate() {  # run_lupdate [-no-obsolete] <ts files...>
  # CAPTION_WITH_NOTE (app/logic/Translatable.h) marks a caption with a note
  # that tells its translations apart.
  "$lupdate" -silent -I . -locations none -extensions cpp,h,ui \
    -tr-function-alias QT_TRANSLATE_NOOP3+=CAPTION_WITH_NOTE "${sources[@]}" "$@"
}

english=quib-configurator_en.ts
# run_all <folder> [options]: every .ts file of the folder, English's plural
# forms only.
run_all() {
  local folder=$1
  shift
  local others=()
  for ts in "$folder"/*.ts; do [ "$(basename "$ts")" = "$english" ] || others+=("$ts"); done
  run_lupdate "$@" -ts "${others[@]}"
  run_lupdate "$@" -pluralonly -ts "$folder/$english"
}

case "${1:-}" in
  update)
    run_all translations
    python3 scripts/lint-translations.py --carry translations/*.ts
    run_all translations  # lupdate's own layout again
    ;;
  tidy)
    run_all translations -no-obsolete
    ;;
  add)
    code=${2:?give the language code, e.g. it or pt_BR}
    run_lupdate -no-obsolete -ts "translations/quib-configurator_$code.ts"
    echo "translations/quib-configurator_$code.ts: translate it (linguist), then add \"$code\" to app/Language.h"
    ;;
  check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    status=0
    cp translations/*.ts "$scratch/"
    run_all "$scratch" -no-obsolete
    for ts in translations/*.ts; do
      name=$(basename "$ts")
      if ! diff -u "$ts" "$scratch/$name" >"$scratch/$name.diff"; then
        echo "FAIL: $ts is not up to date with the sources (scripts/translations.sh update, translate, tidy):"
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
    # Placeholders, line breaks and access keys kept, no access key twice in
    # one window.
    python3 scripts/lint-translations.py translations/*.ts || status=1
    [ "$status" -eq 0 ] && echo "every translation is complete and up to date"
    exit "$status"
    ;;
  *)
    sed -n '2,20p' "$0" >&2
    exit 2
    ;;
esac
