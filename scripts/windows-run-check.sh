#!/usr/bin/env bash
# The real Windows program under Wine, with Qt's windows platform on a virtual
# display, run from the portable copy scripts/windows-package.sh staged (so
# its DLLs and plugins are proven complete): it starts on a copy of the
# sample emulator directory, shows every page (a screenshot of each), and the
# same keystrokes as given to the Linux program edit fields on two pages and
# press Enter (OK: Apply, then close). The two emulator folders must then be
# byte for byte the same.
#   scripts/windows-run-check.sh [windows-build] [linux-build] [screenshot.png]
#     (defaults build-windows-qt, build-release; the screenshot is of the GUI
#     page under Wine)
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
build=${1:-build-windows-qt}
linux=${2:-build-release}
shot=${3:-}

if [ -z "${QUIB_RUN_CHECK_INSIDE:-}" ]; then
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || {
      echo "windows-run-check: needs $tool (scripts/install-deps.sh --test)" >&2
      exit 1
    }
  done
  QUIB_RUN_CHECK_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

version=$(sed -n 's/^project(QuibConfigurator VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage="$build/package/quib-configurator-$version"
[ -f "$stage/quib-configurator.exe" ] || {
  echo "windows-run-check: no $stage; run scripts/windows-package.sh first" >&2
  exit 1
}
[ -x "$linux/app/quib-configurator" ] || {
  echo "windows-run-check: no $linux/app/quib-configurator" >&2
  exit 1
}
source scripts/windows-env.sh
work="$(mkdir -p "$build/run-check" && cd "$build/run-check" && pwd)"
rm -rf "$work"/{windows,linux,pages} "$work"/sums-*
mkdir -p "$work/pages"
wine_session "$work"
home=$HOME

# One portable copy each, with a settings file beside it: the GUI page first,
# no note after Apply.
settings() { # emulator-folder-as-the-program-names-it
  printf '[Settings]\r\nQuib path=%s\r\nActive page=5\r\nLeft=0\r\nTop=0\r\n' "$1"
  printf 'Show message when applying=0\r\n'
}
for side in windows linux; do
  mkdir -p "$work/$side"
  cp -r samples/emulator "$work/$side/emulator"
done
cp -r "$stage" "$work/windows/program"
mkdir -p "$work/linux/program"
cp "$linux/app/quib-configurator" "$work/linux/program/"
settings "$(wine_path_of "$work/windows/emulator")\\" >"$work/windows/program/Quib Configurator.ini"
settings "$work/linux/emulator/" >"$work/linux/program/Quib Configurator.ini"

# Waits for the program's window, walks every page with Ctrl+Tab (a picture
# of each when asked), then edits: the file browser's pixels (Alt+P) on the
# GUI page, the sampling rate (Alt+R) and OPL speed (Alt+O) five pages on, on
# the Sound page; Enter is OK. After each step it waits for the screen to show
# it; $1 is the sum of the screen before the program started.
drive() { # empty-screen-sum pid pictures-prefix-or-empty
  local shown=$1 pid=$2 prefix=$3 window="" i
  for i in $(seq 1 120); do
    window=$(xdotool search --onlyvisible --name '^Quib Configurator$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  [ -n "$window" ] || {
    echo "windows-run-check: the window did not show" >&2
    return 1
  }
  xdotool windowfocus --sync "$window"
  # The first page drawn in full, then each page as Ctrl+Tab brings it.
  await_picture "$shown" "${prefix:+$prefix-0.png}"
  for i in $(seq 1 13); do
    echo "$picture" >>"$work/sums-$side"
    xdotool key --delay 100 ctrl+Tab
    # The thirteenth brings the first page back.
    await_picture "$picture" "$([ -n "$prefix" ] && [ "$i" -lt 13 ] && echo "$prefix-$i.png")"
  done
  xdotool key --delay 150 alt+p ctrl+a 4 0 0
  await_picture "$picture"
  for i in 1 2 3 4 5; do xdotool key --delay 100 ctrl+Tab; done
  await_picture "$picture"
  xdotool key --delay 150 alt+r ctrl+a 2 2 0 5 0 alt+o ctrl+a 6 5
  await_picture "$picture"
  xdotool key Return
  for i in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "windows-run-check: the program did not close after OK" >&2
    kill "$pid"
    return 1
  fi
  wait "$pid"
}

# The virtual display before any program shows on it.
await_picture ""
empty=$picture

echo "windows-run-check: the Linux program"
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
  "$work/linux/program/quib-configurator" &
side=linux drive "$empty" $! ""

echo "windows-run-check: the Windows program under Wine"
# The copy's own DLLs only: nothing from the build's Qt.
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM
start=$(date +%s)
"$wine" "$work/windows/program/quib-configurator.exe" &
side=windows drive "$empty" $! "$work/pages/page"
echo "windows-run-check: started, walked 13 pages, edited and saved in $(($(date +%s) - start)) s"

# Every page showed something of its own (the sums are of the pixels alone).
distinct=$(sort -u "$work/sums-windows" | wc -l)
if [ "$distinct" -ne 13 ]; then
  echo "windows-run-check: the 13 pages gave only $distinct different pictures" >&2
  exit 1
fi
if ! diff -r "$work/windows/emulator" "$work/linux/emulator"; then
  echo "windows-run-check: the Windows program wrote other bytes than the Linux program" >&2
  exit 1
fi
if diff -rq samples/emulator "$work/windows/emulator" >/dev/null; then
  echo "windows-run-check: the edit reached no file" >&2
  exit 1
fi
echo "windows-run-check: Apply under Wine wrote the same bytes as on Linux"
if [ -n "$shot" ]; then
  convert "$work/pages/page-0.png" -trim +repage -strip "$shot"
  echo "windows-run-check: wrote $shot"
fi
