#!/usr/bin/env bash
# Under a window manager the window's whole frame is centred on the screen,
# once the manager has framed it.
. "$(dirname "$0")/lib.sh" "$1"
command -v openbox >/dev/null || { echo "openbox is not installed"; exit 77; }
start_display
openbox >"$WORK/wm.log" 2>&1 &
WM_PID=$!
trap 'kill $WM_PID 2>/dev/null || true; cleanup' EXIT
# The manager announces itself on the root window before it is ready: wait
# until it also lists the frame extents among what it supports (the toolkit
# reads that list once, as it connects) and has published the work area.
wm_up=false
for _ in $(seq 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window &&
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_FRAME_EXTENTS &&
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= "; then
    wm_up=true
    break
  fi
  sleep 0.1
done
$wm_up || { echo "openbox did not start:"; cat "$WORK/wm.log"; exit 77; }
start_program

# Poll: the window is framed and centred a moment after it maps.
for _ in $(seq 150); do
  client_geometry
  # left, right, top, bottom
  read -r l r t b < <(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g; s/[^0-9 ].*/0 0 0 0/')
  fw=$((WIDTH + l + r)) fh=$((HEIGHT + t + b))
  fx=$((X - l)) fy=$((Y - t))
  if [ $((t + b)) -gt 0 ] && [ "$fx" = $(((1280 - fw) / 2)) ] && [ "$fy" = $(((1024 - fh) / 2)) ]; then
    screenshot main-window-framed
    echo "frame ${fw}x${fh} centred at $fx,$fy"
    exit 0
  fi
  sleep 0.1
done
if [ $((t + b)) -eq 0 ]; then
  # The manager never took the window on: nothing here to judge.
  echo "openbox did not frame the window:"
  cat "$WORK/wm.log"
  exit 77
fi
fail "frame ${fw}x${fh} at $fx,$fy is not centred"
