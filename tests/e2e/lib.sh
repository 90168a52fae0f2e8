# Shared by the end-to-end tests: a private X display, the real program in a
# working directory of test recordings, and the sound it played.
# Usage: . lib.sh PROGRAM   (then the functions below)
set -euo pipefail

PROGRAM="$1"
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

WORK="$(mktemp -d)"
XVFB_PID=""
APP_PID=""
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb on a free display and exports DISPLAY. Displays are tried from
# a number that differs between processes, so tests running side by side
# (and other programs' servers) do not collide. -noreset: by default the
# server resets whenever its last client leaves (each xdpyinfo or xprop
# here), and a client connecting during the reset is refused.
start_display() {
  local n
  for n in $(seq $((100 + $$ % 400)) 600); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      # The server answering must be ours: two tests may have tried the
      # same number at once, and the lock file names the one that won.
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ] || break
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.05
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "Xvfb did not start"
  cat "$WORK/xvfb.log"
  exit 1
}

# Writes a mono 16-bit 48 kHz wave file holding one constant level.
# make_level FILE LEVEL SECONDS
make_level() {
  python3 - "$1" "$2" "$3" <<'PY'
import struct, sys, wave
name, level, seconds = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
with wave.open(name, "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(48000)
    w.writeframes(struct.pack("<h", level) * int(48000 * seconds))
PY
}

# Starts the program in $WORK/rec with the disk audio driver writing to
# $WORK/out.raw, and waits for its main window.
start_program() {
  mkdir -p "$WORK/rec"
  (cd "$WORK/rec" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/out.raw" \
     exec "$PROGRAM" >"$WORK/app.log" 2>&1) &
  APP_PID=$!
  WIN=""
  for _ in $(seq 100); do
    WIN=$(xdotool search --name '^QIRAZO  3\.45$' 2>/dev/null | head -n 1) || true
    [ -n "$WIN" ] && xwininfo -id "$WIN" 2>/dev/null | grep -q IsViewable && break
    sleep 0.1
  done
  [ -n "$WIN" ] || { echo "main window did not appear"; cat "$WORK/app.log"; exit 1; }
  client_geometry
}

# Sets X, Y, WIDTH and HEIGHT to the main window's client area on the screen.
client_geometry() {
  local info
  info=$(xwininfo -id "$WIN")
  X=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  WIDTH=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
  HEIGHT=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
}

# Clicks at a point of the main window's client area.
click_at() {
  xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
}

# Prints the distinct constant levels found in the played sound, in order,
# one per line with the number of sample frames each lasted.
played_levels() {
  python3 - "$WORK/out.raw" <<'PY'
import array, sys
data = array.array("h")
with open(sys.argv[1], "rb") as f:
    data.frombytes(f.read())
runs = []
for i in range(0, len(data) - 1, 2):
    v = data[i]
    if runs and runs[-1][0] == v:
        runs[-1][1] += 1
    else:
        runs.append([v, 1])
for v, n in runs:
    if v != 0 and n > 2400:  # longer than 50 ms: a recording, not a chime
        print(v, n)
PY
}

# Waits (at most a minute) until N recordings have been heard.
wait_levels() {
  for _ in $(seq 600); do
    [ "$(played_levels 2>/dev/null | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# The text of the text area, read back through the clipboard.
text_area_text() {
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.3
  xclip -o -selection clipboard
}

# Saves a screenshot where the build keeps them, for a person to look at.
screenshot() {
  mkdir -p "${SCREENSHOTS:-$WORK}"
  import -window root "${SCREENSHOTS:-$WORK}/$1.png"
}

fail() {
  echo "FAIL: $*"
  exit 1
}
