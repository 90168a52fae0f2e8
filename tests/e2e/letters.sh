#!/usr/bin/env bash
# Clicks made while a recording plays wait and are handled afterwards, in the
# order they were made; the text area ends with every letter; SIGTERM still
# ends the program after SDL has played.
. "$(dirname "$0")/lib.sh" "$1"
start_display
mkdir -p "$WORK/rec"
make_level "$WORK/rec/a.wav" 1000 1.5
make_level "$WORK/rec/b.wav" 2000 0.3
make_level "$WORK/rec/g.wav" 3000 0.3
make_level "$WORK/rec/d.wav" 4000 0.3
start_program

# أ, then ب ج د while أ is still playing. Button centres from the layout.
click_at 657 276
sleep 0.2
click_at 585 276
click_at 513 276
click_at 441 276
wait_levels 4 || fail "heard: $(played_levels | tr '\n' ' ')"
got=$(played_levels | cut -d' ' -f1 | tr '\n' ' ')
[ "$got" = "1000 2000 3000 4000 " ] || fail "played in the wrong order: $got"

text=$(text_area_text)
[ "$text" = "أبجد" ] || fail "text area holds '$text'"

kill -TERM "$APP_PID"
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program ignored SIGTERM"
APP_PID=""
echo "played $got; text '$text'; SIGTERM ended the program"
