# Shared by the install tests: installing the build into a prefix, building
# the Debian package, and the checks every installed tree must pass.
# Usage: . common.sh   (bash, after set -euo pipefail)

APP_ID=org.example.Qirazo
RECORDINGS="a b g d h w z 7 8 y k l m n s 3 f c 4 r ch t th 10 dh 6 5 gh"

fail() {
  echo "FAIL: $*"
  exit 1
}

# install_to CMAKE BUILD PREFIX
install_to() {
  "$1" --install "$2" --prefix "$3" >"$3.install.log" 2>&1 ||
    { cat "$3.install.log"; fail "cmake --install into '$3' failed"; }
}

# Builds the Debian package into OUTDIR and prints the package's path.
# build_deb CPACK BUILD OUTDIR
build_deb() {
  "$1" --config "$2/CPackConfig.cmake" -G DEB -B "$3" >"$3.cpack.log" 2>&1 ||
    { cat "$3.cpack.log" >&2; fail "cpack failed"; }
  local debs=("$3"/*.deb)
  if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single .deb: ${debs[*]}"
  fi
  echo "${debs[0]}"
}

# The value of KEY in the [Desktop Entry] group of FILE.
desktop_value() {
  awk -v key="$2" '
    /^\[/ { group = $0; next }
    group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
  ' "$1"
}

# How the desktop entry's Exec= must spell a program's path: quoted when the
# path holds a character the desktop entry format reserves.
exec_form() {
  case $1 in
    *[!A-Za-z0-9/._+-]*)
      local quoted=$1
      quoted=${quoted//\\/\\\\}
      quoted=${quoted//\"/\\\"}
      quoted=${quoted//\`/\\\`}
      quoted=${quoted//\$/\\\$}
      quoted=${quoted//\\/\\\\}
      quoted=${quoted//%/%%}
      printf '"%s"\n' "$quoted" ;;
    *) printf '%s\n' "$1" ;;
  esac
}

# check_tree ROOT PREFIX: the files of an install under PREFIX, found below
# ROOT (empty for a real install, the unpacked package otherwise).
check_tree() {
  local root=$1 prefix=$2
  local top="$root$prefix"
  [ -x "$top/bin/qirazo" ] || fail "no launcher bin/qirazo"
  grep -qx '#!/bin/sh' <<<"$(head -n 1 "$top/bin/qirazo")" || fail "the launcher is not a sh script"
  [ -x "$top/libexec/qirazo/qirazo" ] || fail "no program libexec/qirazo/qirazo"
  grep -q '^ELF' <<<"$(file -b "$top/libexec/qirazo/qirazo")" || fail "libexec/qirazo/qirazo is not a program"
  # A build-tree run path would make the installed program load the build's
  # libraries, or none once the build is gone.
  if readelf -d "$top/libexec/qirazo/qirazo" | grep -E 'RPATH|RUNPATH'; then
    fail "the installed program keeps a run path"
  fi

  local rec="$top/share/qirazo/recordings" name count
  for name in $RECORDINGS; do
    cmp -s "$rec/$name.wav" "$SOURCE/resources/recordings/$name.wav" ||
      fail "recording $name.wav missing or different"
  done
  count=$(find "$rec" -type f | wc -l)
  [ "$count" -eq 28 ] || fail "$count files in the recordings folder, not 28"

  grep -q 'PNG image data, 32 x 32' <<<"$(file -b "$top/share/icons/hicolor/32x32/apps/$APP_ID.png")" ||
    fail "no 32x32 icon"
  grep -q 'PNG image data, 128 x 128' <<<"$(file -b "$top/share/icons/hicolor/128x128/apps/$APP_ID.png")" ||
    fail "no 128x128 icon"

  local desktop="$top/share/applications/$APP_ID.desktop"
  [ -f "$desktop" ] || fail "no desktop entry"
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
  local path exec
  path=$(desktop_value "$desktop" Path)
  [ "$path" = "$prefix/share/qirazo/recordings" ] || fail "desktop entry Path=$path"
  exec=$(desktop_value "$desktop" Exec)
  [ "$exec" = "$(exec_form "$prefix/bin/qirazo")" ] || fail "desktop entry Exec=$exec"
  [ "$(desktop_value "$desktop" Icon)" = "$APP_ID" ] || fail "desktop entry names another icon"
  grep -q '@' "$desktop" && fail "unconfigured placeholder left in the desktop entry"

  local metainfo="$top/share/metainfo/$APP_ID.metainfo.xml"
  [ -f "$metainfo" ] || fail "no metainfo"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
  grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating"
  grep -q '<screenshot' "$metainfo" || fail "no screenshot"
  grep -q '@' "$metainfo" && fail "unconfigured placeholder left in the metainfo"
  return 0
}
