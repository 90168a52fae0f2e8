#!/usr/bin/env bash
# The installed launcher starts the program in the recordings folder of its
# own prefix whatever the caller's working directory, whether it is run by
# path, found in PATH or reached through a symbolic link, and passes the
# arguments on untouched. Without the recordings it says so and fails rather
# than starting a program that can only chime.
# Usage: launcher.sh CMAKE BUILD-DIR SOURCE-DIR
set -euo pipefail
CMAKE=$1 BUILD=$2 SOURCE=$3
# shellcheck source=SCRIPTDIR/common.sh
. "$(dirname "$0")/common.sh"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

prefix="$WORK/pre fix"
install_to "$CMAKE" "$BUILD" "$prefix"
recordings="$prefix/share/qirazo/recordings"

# A stand-in for the program that reports where and with what it was started.
cat >"$prefix/libexec/qirazo/qirazo" <<'SH'
#!/bin/sh
pwd
for a in "$@"; do printf '<%s>\n' "$a"; done
SH
# shellcheck disable=SC2016 # the $ is meant to reach the program as it is
args=(-style 'a b' '' '$HOME *')
expected=$(printf '%s\n' "$recordings" && printf '<%s>\n' "${args[@]}")

mkdir -p "$WORK/elsewhere" "$WORK/links"
cd "$WORK/elsewhere"
got=$("$prefix/bin/qirazo" "${args[@]}")
[ "$got" = "$expected" ] || fail "run by path: $got"

got=$(PATH="$prefix/bin:$PATH" qirazo "${args[@]}")
[ "$got" = "$expected" ] || fail "found in PATH: $got"

ln -s "$prefix/bin/qirazo" "$WORK/links/qirazo"
got=$("$WORK/links/qirazo" "${args[@]}")
[ "$got" = "$expected" ] || fail "through a symbolic link: $got"
got=$(cd "$WORK/links" && ./qirazo "${args[@]}")
[ "$got" = "$expected" ] || fail "through a relative symbolic link: $got"

# A copy of the whole tree elsewhere works from its new place.
cp -a "$prefix" "$WORK/moved"
got=$("$WORK/moved/bin/qirazo")
[ "$got" = "$WORK/moved/share/qirazo/recordings" ] || fail "moved tree: $got"

rm -rf "$recordings"
if out=$("$prefix/bin/qirazo" 2>&1); then
  fail "started without recordings: $out"
fi
case $out in
  *"recordings are missing"*) ;;
  *) fail "no word about the missing recordings: $out" ;;
esac
echo "launcher starts the program in $recordings"
