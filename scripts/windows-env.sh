# Wine for the Windows checks, sourced by the scripts that run Windows
# programs:
#   $wine                 the wine64 loader
#   wine_session DIR      a scratch prefix (a copy of one made once) and home
#                         in DIR/wine, one Wine server for the session, ended
#                         when the script ends
#   wine_path_of PATH     a Linux path as Wine names it (Z:\...)
#   await_picture SUM [FILE]
#                         waits for the screen to differ from the picture whose
#                         sum is SUM and to hold still; sets $picture to its sum
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

# The virtual display's picture once it differs from the one whose sum is $1
# (an empty $1: any picture) and two grabs in a row are alike: a window has
# drawn what the last keys asked for. Its sum goes to $picture, the picture
# into $2 when given. Fails after 60 seconds.
await_picture() { # previous-sum [file.png]
  local previous=$1 file=${2:-} last="" grab deadline=$((SECONDS + 60))
  grab=$(mktemp --suffix=.ppm)
  while [ "$SECONDS" -lt "$deadline" ]; do
    # PPM holds the pixels alone (a PNG would carry the time it was made).
    if import -window root "ppm:$grab" 2>/dev/null; then
      picture=$(md5sum <"$grab" | cut -d' ' -f1)
      if [ "$picture" != "$previous" ] && [ "$picture" = "$last" ]; then
        [ -n "$file" ] && convert "$grab" "$file"
        rm -f "$grab"
        return 0
      fi
      last=$picture
    fi
    sleep 0.2
  done
  rm -f "$grab"
  echo "the screen did not change or did not settle within 60 seconds" >&2
  return 1
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

# Makes the prefix $WINEPREFIX (with its Wine server) and leaves its server
# running. Making a prefix has been seen to stop half-way (no kernel32.dll,
# and every program then fails to start): such a prefix is made again.
wine_boot() {
  local try
  for try in 1 2 3; do
    # One Wine server, with its services started here with their output going
    # nowhere (they outlive each program, and a test's output pipe would then
    # never close).
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
    "$wineserver" -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  done
  echo "could not make a Wine prefix in $WINEPREFIX" >&2
  return 1
}

# Making a prefix takes half a minute and more (minutes on a busy machine),
# copying one a few seconds: one is made per Wine version, on a virtual display
# as the suites use it, and kept beside the Qt for Windows; each session starts
# from a copy of it.
wine_cache=${QUIB_WINE_CACHE:-$HOME/.cache/quib-configurator-build}
wine_template() { # prints the folder of the template prefix, made when missing
  local version dir work
  version=$("$wine" --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' '-')
  dir="$wine_cache/wine-prefix-$version"
  if [ ! -f "$dir/prefix/drive_c/windows/system32/kernel32.dll" ]; then
    echo "making a Wine prefix to copy from in $dir (once)" >&2
    mkdir -p "$wine_cache"
    work=$(mktemp -d "$wine_cache/wine-prefix.XXXXXX")
    mkdir -p "$work/home"
    WINEPREFIX="$work/prefix" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
      XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache" \
      WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d" \
      wine=$wine wineserver=$wineserver \
      xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
      "$(declare -f wine_boot); wine_boot && \"\$wineserver\" -k; \"\$wineserver\" -w; true" >&2 ||
      true
    if [ ! -f "$work/prefix/drive_c/windows/system32/kernel32.dll" ]; then
      rm -rf "$work"
      echo "could not make a Wine prefix to copy from" >&2
      return 1
    fi
    rm -rf "$dir"
    mv "$work" "$dir"
  fi
  echo "$dir"
}

wine_session() {
  local root template
  mkdir -p "$1/wine/home"
  root="$(cd "$1" && pwd)/wine"
  export WINEPREFIX="$root/prefix" HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config"
  export XDG_DATA_HOME="$root/home/.local/share" XDG_CACHE_HOME="$root/home/.cache"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  if [ ! -f "$WINEPREFIX/system.reg" ] && template=$(wine_template); then
    cp -a "$template/prefix" "$WINEPREFIX"
    # The user's folders (Documents, Desktop...) lead to this session's home.
    find "$WINEPREFIX/drive_c/users" -type l -exec ln -sfn "$HOME" {} \;
  fi
  # The server ends when the script ends.
  trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
  wine_boot || exit 1
}
