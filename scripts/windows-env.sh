# Wine for the Windows checks, sourced by the scripts that run Windows
# programs:
#   $wine                 the wine64 loader
#   wine_session DIR      a scratch prefix and home in DIR/wine, one Wine
#                         server for the session, ended when the script ends
#   wine_path_of PATH     a Linux path as Wine names it (Z:\...)
# With $qt set (the Qt for Windows), Qt's DLLs and the MinGW runtime DLLs are
# found through WINEPATH.

wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
if [ -z "$wine" ] || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "needs wine64 and g++-mingw-w64-x86-64-posix (scripts/install-deps.sh --test)" >&2
  exit 1
fi
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

wine_path_of() {
  local path
  path=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  path=${path%/.}
  echo "Z:${path//\//\\}"
}

# The folders of the MinGW runtime DLLs (libstdc++, libgcc, winpthread).
mingw_runtime_dirs() {
  dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
  dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)"
}

if [ -n "${qt:-}" ]; then
  WINEPATH="$(wine_path_of "$qt/bin")"
  while read -r dir; do WINEPATH="$WINEPATH;$(wine_path_of "$dir")"; done < <(mingw_runtime_dirs)
  export WINEPATH
  export QT_PLUGIN_PATH="$(wine_path_of "$qt/plugins")"
fi

wine_session() {
  local root
  mkdir -p "$1/wine/home"
  root="$(cd "$1" && pwd)/wine"
  export WINEPREFIX="$root/prefix" HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config"
  export XDG_DATA_HOME="$root/home/.local/share" XDG_CACHE_HOME="$root/home/.cache"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  [ -f "$WINEPREFIX/system.reg" ] || echo "setting up a Wine prefix in $WINEPREFIX (once)"
  # One Wine server, with its services started here with their output going
  # nowhere (they outlive each program, and a test's output pipe would then
  # never close), ended when the script ends.
  trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
  # Making a prefix has been seen to stop half-way (no kernel32.dll, and
  # every program then fails to start): such a prefix is made again.
  local try
  for try in 1 2 3; do
    "$wineserver" -p >/dev/null 2>&1 </dev/null || true
    "$wine" cmd /c exit >/dev/null 2>&1 </dev/null || true
    if [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
      # Windows are left to Wine rather than to a window manager: on a
      # virtual display there is none, and Wine would wait two seconds for
      # one at every window it hides.
      "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
      return 0
    fi
    echo "the Wine prefix in $WINEPREFIX is incomplete; making it again ($try)" >&2
    "$wineserver" -k >/dev/null 2>&1 || true
    sleep 2
    rm -rf "$WINEPREFIX"
  done
  echo "could not make a Wine prefix in $WINEPREFIX" >&2
  exit 1
}
