# Fetches and unpacks a Debian source package without changing the system's
# apt configuration or state: apt gets a private source list (a deb-src entry
# for the mirror and suites the system installs from), list folder and cache.
# apt checks every downloaded file against the signed index.
#   source scripts/debian-source.sh
#   debian_source PACKAGE VERSION WORK_DIR     unpacks into WORK_DIR/src
# Returns non-zero, with a message, when the source cannot be had.

debian_source() {
  local package=$1 version=$2 work=$3
  mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" \
    "$work/apt/cache/archives/partial" "$work/download"
  local sources=/etc/apt/sources.list.d/debian.sources uri suites signed
  uri=$(awk '/^URIs:/ {print $2; exit}' "$sources" 2>/dev/null || true)
  suites=$(awk '/^Suites:/ {$1=""; print; exit}' "$sources" 2>/dev/null || true)
  signed=$(awk '/^Signed-By:/ {print $2; exit}' "$sources" 2>/dev/null || true)
  uri=${uri:-http://deb.debian.org/debian}
  suites=${suites:-bookworm}
  signed=${signed:-/usr/share/keyrings/debian-archive-keyring.gpg}
  cat >"$work/apt/sources.list.d/source.sources" <<EOF
Types: deb-src
URIs: $uri
Suites: $suites
Components: main
Signed-By: $signed
EOF
  local options=(
    -o Dir::Etc::SourceList=/dev/null
    -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
    -o Dir::State::Lists="$work/apt/lists"
    -o Dir::Cache="$work/apt/cache"
    -o Debug::NoLocking=1
  )
  # As root apt would hand the download to its _apt user, which cannot write
  # into this private folder.
  [ "$(id -u)" -eq 0 ] && options+=(-o APT::Sandbox::User=root)

  echo "fetching the source of $package $version from $uri"
  if ! apt-get "${options[@]}" -qq update; then
    echo "apt could not read the source index from $uri" >&2
    return 1
  fi
  if ! (cd "$work/download" && apt-get "${options[@]}" -qq source --download-only "$package=$version"); then
    echo "apt could not fetch the source package $package $version" >&2
    return 1
  fi
  local dsc
  dsc=$(ls "$work/download/${package}_"*.dsc 2>/dev/null | head -n 1)
  if [ -z "$dsc" ]; then
    echo "the download holds no $package .dsc" >&2
    return 1
  fi
  # The files were checked against the signed index; dpkg-source unpacks the
  # upstream tarball and applies Debian's patches.
  if ! dpkg-source --no-check -x "$dsc" "$work/src" >/dev/null; then
    echo "could not unpack $dsc" >&2
    return 1
  fi
}
