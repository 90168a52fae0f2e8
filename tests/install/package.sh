#!/usr/bin/env bash
# The Debian package CPack builds: its control fields and dependencies, its
# file list (the installed tree under /usr and nothing else), and its files
# unpacked, with the menu entry naming /usr, pass the same checks as an
# install. Where apt-get is present it must find every dependency.
# Usage: package.sh CPACK BUILD-DIR SOURCE-DIR VERSION
set -euo pipefail
CPACK=$1 BUILD=$2 SOURCE=$3 VERSION=$4
# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

mkdir "$WORK/deb"
deb=$(build_deb "$CPACK" "$BUILD" "$WORK/deb")
[ "$(basename "$deb")" = "qirazo_${VERSION}_$(dpkg --print-architecture).deb" ] ||
  fail "package file named $(basename "$deb")"

info=$(dpkg-deb --info "$deb")
echo "$info"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = qirazo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -q 'Arabic alphabet' <<<"$(field Description)" || fail "no Description"

# Each run-time need, by package name: the libraries the program links (the
# X11 platform plugin Qt loads is in libqt6gui6), and the font the letters are
# drawn in.
depends=$(field Depends)
for need in libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0 libcanberra0 \
  fonts-hosny-amiri; do
  grep -Eq "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need: $depends"
done

contents=$(dpkg-deb --contents "$deb")
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$contents" | sort)
expected=$(
  {
    echo ./usr/bin/qirazo
    echo ./usr/libexec/qirazo/qirazo
    echo ./usr/libexec/qirazo/qirazo-sound.so
    for name in $RECORDINGS; do echo "./usr/share/qirazo/recordings/$name.wav"; done
    echo "./usr/share/icons/hicolor/32x32/apps/$APP_ID.png"
    echo "./usr/share/icons/hicolor/128x128/apps/$APP_ID.png"
    echo "./usr/share/applications/$APP_ID.desktop"
    echo "./usr/share/metainfo/$APP_ID.metainfo.xml"
  } | sort
)
[ "$files" = "$expected" ] || fail "file list differs: $(diff <(echo "$expected") <(echo "$files") || true)"
awk '{ print $6 }' <<<"$contents" | grep -v '^\./usr/' | grep -vx '\./' &&
  fail "the package puts files outside /usr"
awk '$6 == "./usr/bin/qirazo" || $6 == "./usr/libexec/qirazo/qirazo" { print $1, $2 }' <<<"$contents" |
  grep -v '^-rwxr-xr-x root/root$' && fail "the launcher or program is not an executable of root's"

dpkg-deb -x "$deb" "$WORK/root"
check_tree "$WORK/root" /usr
grep -q ', stripped' <<<"$(file -b "$WORK/root/usr/libexec/qirazo/qirazo")" || fail "the packaged program is not stripped"
appstreamcli validate-tree --no-net "$WORK/root" || fail "appstreamcli rejects the packaged tree"

if command -v apt-get >/dev/null; then
  apt-get install --simulate --no-install-recommends "$deb" >"$WORK/apt.log" 2>&1 ||
    { cat "$WORK/apt.log"; fail "apt-get cannot install the package"; }
fi
echo "package $(basename "$deb") checked"
