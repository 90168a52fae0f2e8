#!/usr/bin/env bash
# Pasted text read aloud: each letter's recording in text order, nothing for
# the rest.
. "$(dirname "$0")/lib.sh" "$1"
start_display
mkdir -p "$WORK/rec"
make_level "$WORK/rec/b.wav" 2000 0.2
make_level "$WORK/rec/d.wav" 4000 0.2
make_level "$WORK/rec/r.wav" 5000 0.2
make_level "$WORK/rec/a.wav" 1000 0.2
start_program

printf 'باب 12\nدار ok' | xclip -selection clipboard
click_at 300 80 # into the text area
xdotool key --clearmodifiers ctrl+v
sleep 0.3
click_at 613 188 # the read button
sleep 0.2
click_at 657 276 # أ, while the reading goes on: it waits for the end
wait_levels 5 || fail "heard: $(played_levels | tr '\n' ' ')"
sleep 0.5
got=$(played_levels | cut -d' ' -f1 | tr '\n' ' ')
[ "$got" = "2000 2000 4000 5000 1000 " ] || fail "read: $got"
screenshot after-reading
echo "read $got"
