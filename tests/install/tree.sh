#!/usr/bin/env bash
# cmake --install lays out the program, launcher, recordings, icons, menu
# entry and metainfo, and the menu entry names the prefix it was installed
# into: a prefix with reserved characters in it, and a staged install under
# DESTDIR, which must name the prefix without the staging folder.
# Usage: tree.sh CMAKE BUILD-DIR SOURCE-DIR
set -euo pipefail
CMAKE=$1 BUILD=$2 SOURCE=$3
# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

prefix="$WORK/it's a pre fix"
install_to "$CMAKE" "$BUILD" "$prefix"
check_tree "" "$prefix"

outside=false
[ -e /opt/qirazo ] && outside=true
DESTDIR="$WORK/stage" install_to "$CMAKE" "$BUILD" /opt/qirazo
check_tree "$WORK/stage" /opt/qirazo
if ! $outside && [ -e /opt/qirazo ]; then
  fail "the staged install wrote outside DESTDIR"
fi
grep -rq "$WORK/stage" "$WORK/stage/opt/qirazo/share/applications" "$WORK/stage/opt/qirazo/bin" &&
  fail "the staging folder leaked into the installed files"
echo "installed trees under '$prefix' and DESTDIR + /opt/qirazo pass"
