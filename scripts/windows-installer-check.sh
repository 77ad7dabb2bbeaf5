#!/usr/bin/env bash
# The installer scripts/windows-package.sh made, under Wine in a scratch
# prefix on a virtual display: a silent install for the current user, the
# installed program's --version and --help in a console, its window, then a silent uninstall that
# must leave no installed file, shortcut or uninstall entry, and the user's
# settings file where the program put it.
#   scripts/windows-installer-check.sh [windows-build]   (default: build-windows-qt)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows-qt}
if [ -z "${QUIB_INSTALLER_CHECK_INSIDE:-}" ]; then
  QUIB_INSTALLER_CHECK_INSIDE=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

version=$(sed -n 's/^project(QuibConfigurator VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$build/package/quib-configurator-$version-setup.exe"
stage="$build/package/quib-configurator-$version"
[ -f "$setup" ] || {
  echo "windows-installer-check: no $setup; run scripts/windows-package.sh first" >&2
  exit 1
}
source scripts/windows-env.sh
root="$build/installer-check"
rm -rf "$root"
mkdir -p "$root"
wine_session "$root"
fail() {
  echo "windows-installer-check: $*" >&2
  exit 1
}
unix_of() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
local_app=$(unix_of "$("$wine" cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")
app_data=$(unix_of "$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")
[ -d "$local_app" ] || fail "no local application data folder in the prefix ($local_app)"
dir="$local_app/Programs/Quib Configurator"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuibConfigurator'
shortcut="$app_data/Microsoft/Windows/Start Menu/Programs/Quib Configurator.lnk"

echo "windows-installer-check: silent install"
"$wine" "$setup" /S
[ -f "$dir/quib-configurator.exe" ] || fail "the silent install put no program into $dir"
# Exactly the portable copy's files, and the uninstaller.
diff <(cd "$stage" && find . -type f | sort) \
  <(cd "$dir" && find . -type f ! -name uninstall.exe | sort) ||
  fail "the installed files differ from the portable copy's"
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
for field in "DisplayName.*Quib Configurator" "DisplayVersion.*$version" \
  "Publisher.*The Configurator Team" "UninstallString.*uninstall.exe"; do
  grep -q "$field" <<<"$entry" || fail "the uninstall entry lacks $field: $entry"
done

echo "windows-installer-check: the installed program"
# --version prints into the console of the command prompt it was typed in
# (a GUI program has none of its own): cmd on a terminal. Wine's console
# draws a space as a cursor move, so spaces are not compared.
console_of() {
  script -qec "$(printf '%q cmd /c %q %q' "$wine" "$(wine_path_of "$dir/quib-configurator.exe")" "$1")" \
    /dev/null </dev/null | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d ' \r\n'
}
printed=$(console_of --version)
[ "$printed" = "QuibConfigurator$version" ] || fail "--version printed '$printed' into the console"
printed=$(console_of --help)
[[ "$printed" == *Usage:*"[EMULATOR_DIR]"* && "$printed" == *--version* ]] || fail "--help printed '$printed' into the console"
# The window shows; Escape (Cancel) closes it, and the settings of an
# installed copy go to the user's local application data.
cp -r samples/emulator "$root/emulator"
await_picture ""  # the screen without the program
"$wine" "$dir/quib-configurator.exe" "$(wine_path_of "$root/emulator")" &
pid=$!
shown=""
for _ in $(seq 1 120); do
  shown=$(xdotool search --onlyvisible --name '^Quib Configurator$' 2>/dev/null | head -n 1 || true)
  [ -n "$shown" ] && break
  sleep 0.5
done
[ -n "$shown" ] || fail "the installed program showed no window"
await_picture "$picture" # drawn
xdotool windowfocus --sync "$shown" key Escape
for _ in $(seq 1 60); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
kill -0 "$pid" 2>/dev/null && fail "the program did not close on Escape"
wait "$pid" || true
settings="$local_app/quib-configurator/Quib Configurator.ini"
[ -f "$settings" ] || fail "no settings file in $local_app/quib-configurator"
[ -e "$dir/Quib Configurator.ini" ] && fail "an installed copy wrote its settings beside itself"

echo "windows-installer-check: silent uninstall"
# The uninstaller goes on in a copy of itself: wait for the folder to go.
"$wine" "$dir/uninstall.exe" /S
for _ in $(seq 1 120); do
  [ -e "$dir" ] || break
  sleep 0.5
done
left=$( (cd "$local_app/Programs" 2>/dev/null && find "Quib Configurator" 2>/dev/null) || true)
[ -z "$left" ] || fail "the uninstaller left: $left"
[ -e "$shortcut" ] && fail "the uninstaller left the shortcut"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left its entry"
[ -f "$settings" ] || fail "the uninstaller removed the user's settings"
echo "windows-installer-check: installed, window shown, uninstalled; settings kept"
