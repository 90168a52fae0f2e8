#!/usr/bin/env bash
# The real program on a private X display: the edit shortcuts reach the
# clipboard, About opens the about window and OK hides it, and FILE > exit
# from the keyboard ends the program. Leaves screenshots of an open EDITION
# drop-down and of the about window in the output folder.
# Usage: e2e_menus.sh PROGRAM OUTPUT-DIR
set -euo pipefail
program="$1"
out="${2:-.}"
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }

work="$(mktemp -d)"
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
echo "display $DISPLAY"

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME
(cd "$work" && exec "$program") >"$work/app.log" 2>&1 &
app_pid=$!

main="$(timeout 20 xdotool search --sync --onlyvisible --name '^QIRAZO  3.45$' | head -n1)" ||
  fail "the main window did not appear"
# There is no window manager to give the new window the focus.
xdotool windowfocus --sync "$main"
sleep 0.5

key() { xdotool key --delay 60 "$@"; sleep 0.3; }

# Ctrl+A, Ctrl+C in the text area put its text on the clipboard.
xdotool type --delay 40 "qirazo"
key ctrl+a ctrl+c
clip="$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)"
[ "$clip" = "qirazo" ] || fail "clipboard holds '$clip' after Ctrl+A, Ctrl+C"

# EDITION opened from the keyboard, for the picture.
key alt+e
import -window root "$out/menus-edition.png"
key Escape Escape

# About, from the keyboard: Alt, two items to the left, open, choose.
key alt
key Left Left Down Return
sleep 0.5
about="$(timeout 10 xdotool search --sync --onlyvisible --name '^about qirazo$' | head -n1)" ||
  fail "the about window did not open"
geometry="$(xdotool getwindowgeometry "$about")"
echo "$geometry"
grep -q "Geometry: 750x289" <<<"$geometry" || fail "about window is not 750 x 289"
import -window root "$out/menus-about.png"

# OK hides it.
xdotool mousemove --window "$about" $((336 + 48)) $((248 + 16)) click 1
sleep 0.5
if xdotool search --onlyvisible --name '^about qirazo$' >/dev/null; then
  fail "OK did not hide the about window"
fi

# Alt+F, then E (the exit item's access key): the program ends.
xdotool windowfocus --sync "$main"
key alt+f
key e
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  fail "the program still runs after FILE > exit"
fi
wait "$app_pid" || fail "the program exited with $?: $(cat "$work/app.log")"
app_pid=""
echo "PASS"
