#!/usr/bin/env bash
# The installed program, started by its launcher from an empty folder, plays
# the installed recording of the letter pressed: the sound SDL's disk driver
# captured holds a.wav's samples after a press on أ, where a program started
# in the wrong folder would play its short chime.
# Usage: plays.sh install|package CMAKE CPACK BUILD-DIR SOURCE-DIR
#   install: from cmake --install into a prefix with a space in it
#   package: from the Debian package, unpacked
set -euo pipefail
MODE=$1 CMAKE=$2 CPACK=$3 BUILD=$4 SOURCE=$5
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=SCRIPTDIR/common.sh
. "$here/common.sh"
# The program is only known once it is installed below $WORK, which lib.sh
# makes; start_program reads PROGRAM when it is called.
# shellcheck source=SCRIPTDIR/../e2e/lib.sh
. "$here/../e2e/lib.sh" "(installed below)"
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }

case $MODE in
  install)
    prefix="$WORK/pre fix"
    install_to "$CMAKE" "$BUILD" "$prefix"
    ;;
  package)
    mkdir "$WORK/deb"
    deb=$(build_deb "$CPACK" "$BUILD" "$WORK/deb")
    dpkg-deb -x "$deb" "$WORK/root"
    prefix="$WORK/root/usr"
    ;;
  *) fail "unknown mode $MODE" ;;
esac
PROGRAM="$prefix/bin/qirazo"
wav="$prefix/share/qirazo/recordings/a.wav"

start_display
start_program # from $WORK/rec, which holds no recordings
[ -z "$(ls -A "$WORK/rec")" ] || fail "the test's own folder is not empty"
click_at 657 276 # BitBtn1, أ

# Prints where a.wav's samples, each doubled into left and right, start in
# the captured sound, or fails while they are not (yet) all there. SDL turns
# mono into stereo through floating point, which may take one step off a
# sample, so each may differ from the file's by one; a chime, a different
# recording or a gap differs by far more.
find_recording() {
  python3 - "$wav" "$WORK/out.raw" <<'PY'
import array, sys, wave
with wave.open(sys.argv[1]) as w:
    assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, 48000)
    raw = w.readframes(w.getnframes())
mono = array.array("h")
mono.frombytes(raw)
with open(sys.argv[2], "rb") as f:
    played = f.read()
# Line up the first sound in the capture with the first sound in the file.
quiet_file = (len(raw) - len(raw.lstrip(b"\0"))) // 2
quiet_capture = (len(played) - len(played.lstrip(b"\0"))) // 4
start = quiet_capture - quiet_file
if start < 0 or len(played) < 4 * (start + len(mono)):
    sys.exit(1)
heard = array.array("h")
heard.frombytes(played[4 * start:4 * (start + len(mono))])
for i, want in enumerate(mono):
    left, right = heard[2 * i], heard[2 * i + 1]
    if abs(left - want) > 1 or abs(right - want) > 1:
        print(f"frame {i} after the start: heard {left} {right}, the file holds {want}")
        sys.exit(2)
print(start, len(mono))
PY
}

found="" rc=0
for _ in $(seq 300); do
  rc=0
  found=$(find_recording) || rc=$?
  [ $rc -eq 1 ] || break
  sleep 0.1
done
if [ $rc -ne 0 ]; then
  screenshot "install-$MODE-not-played"
  fail "a.wav was not played: ${found:-too little sound}; captured $(stat -c %s "$WORK/out.raw" 2>/dev/null || echo no) bytes," \
    "levels: $(played_levels | tr '\n' ' '); log: $(cat "$WORK/app.log")"
fi
read -r at frames <<<"$found"
echo "heard the installed a.wav ($frames frames) from frame $at of the captured sound ($MODE)"
