#!/usr/bin/env bash
# Packages the Windows program that scripts/windows-build.sh built:
#   <build>/package/quib-configurator-<version>-windows-x64.zip   a portable copy
#   <build>/package/quib-configurator-<version>-setup.exe         the installer
# The portable copy holds quib-configurator.exe, the Qt DLLs and plugins it
# loads (the windows platform, the Windows style, the JPEG reader), the MinGW
# runtime DLLs they need and readme.txt; it keeps its settings beside the exe.
#   scripts/windows-package.sh [build-dir]       (default: build-windows-qt)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
build=${1:-build-windows-qt}
qt=${QUIB_QT_MINGW_DIR:-$HOME/.cache/quib-configurator-build/qt-6.4.2-mingw64}
exe="$build/app/quib-configurator.exe"
[ -f "$exe" ] || {
  echo "windows-package: no $exe; run scripts/windows-build.sh first" >&2
  exit 1
}
command -v makensis >/dev/null || {
  echo "windows-package: needs makensis (nsis)" >&2
  exit 1
}
version=$(sed -n 's/^project(QuibConfigurator VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out="$build/package"
stage="$out/quib-configurator-$version"
rm -rf "$out"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/imageformats"
out=$(cd "$out" && pwd) # makensis takes paths from the script's folder
stage="$out/quib-configurator-$version"

x86_64-w64-mingw32-strip -o "$stage/quib-configurator.exe" "$exe"
cp resources/readme.txt "$stage/readme.txt"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/plugins/imageformats/qjpeg.dll" "$qt/plugins/imageformats/qtga.dll" "$stage/imageformats/"

# The DLLs these need, found by their imports: Qt's own, then the MinGW
# runtime; the system's DLLs are Windows' own.
mapfile -t runtime_dirs < <(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
  dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
pending=("$stage/quib-configurator.exe" "$stage"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  while read -r dll; do
    [ -e "$stage/$dll" ] && continue
    for dir in "$qt/bin" "${runtime_dirs[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/$dll"
        pending+=("$stage/$dll")
        break
      fi
    done
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

(cd "$out" && rm -f "quib-configurator-$version-windows-x64.zip" &&
  cmake -E tar cf "quib-configurator-$version-windows-x64.zip" --format=zip "quib-configurator-$version")

# The installer installs exactly these files; its uninstaller removes exactly
# these.
files="$out/install-files.nsh"
remove="$out/remove-files.nsh"
: >"$files"
: >"$remove"
(cd "$stage" && find . -type d ! -name . | sort) | while read -r dir; do
  dir=${dir#./}
  printf 'SetOutPath "$INSTDIR\\%s"\n' "${dir//\//\\}" >>"$files"
  (cd "$stage" && find "$dir" -maxdepth 1 -type f | sort) | while read -r f; do
    printf 'File "%s"\n' "$stage/$f" >>"$files"
    printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}" >>"$remove"
  done
  printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}" >>"$remove.dirs"
done
printf 'SetOutPath "$INSTDIR"\n' >>"$files"
(cd "$stage" && find . -maxdepth 1 -type f | sort) | while read -r f; do
  f=${f#./}
  printf 'File "%s"\n' "$stage/$f" >>"$files"
  printf 'Delete "$INSTDIR\\%s"\n' "$f" >>"$remove"
done
cat "$remove.dirs" >>"$remove"
rm -f "$remove.dirs"

makensis -V2 -DVERSION="$version" -DFILES="$files" -DREMOVE="$remove" \
  -DICON="$checkout/resources/icons/quib-configurator.ico" \
  -DOUTFILE="$out/quib-configurator-$version-setup.exe" resources/windows/installer.nsi
echo "windows-package: $out/quib-configurator-$version-windows-x64.zip ($(du -k "$out/quib-configurator-$version-windows-x64.zip" | cut -f1) KB)"
echo "windows-package: $out/quib-configurator-$version-setup.exe ($(du -k "$out/quib-configurator-$version-setup.exe" | cut -f1) KB)"
