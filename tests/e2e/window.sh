#!/usr/bin/env bash
# The real program opens its main window centred on the screen, at its
# designed size, with no scroll bar.
. "$(dirname "$0")/lib.sh" "$1"
start_display
start_program

[ "$WIDTH" = 740 ] && [ "$HEIGHT" = 572 ] || fail "client size ${WIDTH}x${HEIGHT}"
# No window manager frames it here, so the frame is the window itself.
[ "$X" = $(((1280 - WIDTH) / 2)) ] && [ "$Y" = $(((1024 - HEIGHT) / 2)) ] || fail "placed at $X,$Y"

sleep 0.5
screenshot main-window
# A scroll bar would show along the right or bottom edge, beyond the controls.
for strip in "8x540+$((X + 732))+$((Y + 30))" "720x3+$((X + 10))+$((Y + 569))"; do
  colours=$(import -window root -crop "$strip" +repage -format %k info:)
  [ "$colours" = 1 ] || fail "edge strip $strip has $colours colours: a scroll bar?"
done
echo "main window centred at $X,$Y, ${WIDTH}x${HEIGHT}, no scroll bar"
