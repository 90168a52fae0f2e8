#!/usr/bin/env bash
# Start-up cost of QIRAZO against an empty Qt window of the same size, and
# against a window that lays out a little text before it maps: time from
# launch to a mapped window, and resident memory once idle, as medians over
# several runs on a private Xvfb display with no window manager.
# Usage: bench/startup/startup.sh [build-dir] [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
runs="${2:-15}"
program="$build/src/app/qirazo"
empty="$build/bench/startup/emptywindow"
text="$build/bench/startup/textwindow"

n=$((700 + $$ % 200))
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$n"
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

watch="$build/bench/startup/mapwatch"

# measure PROGRAM -> "milliseconds kilobytes": from launch until the X server
# maps the program's first window (seen as an event, not polled), then its
# resident memory after a second of idling.
measure() {
  (cd "$here/resources/recordings" && exec "$watch" 1000 "$1" 2>>/tmp/startup-stderr.txt)
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The program and its two yardsticks, taken in turn so that drifts in the
# machine's load touch all three alike.
names=(empty text qirazo)
binaries=("$empty" "$text" "$program")
labels=("empty Qt window" "text window" "QIRAZO")
for which in "${names[@]}"; do
  : >"/tmp/startup-$which.txt"
done
for _ in $(seq "$runs"); do
  for i in 0 1 2; do
    measure "${binaries[$i]}" >>"/tmp/startup-${names[$i]}.txt"
  done
done
echo "runs: $runs (medians)"
declare -A ms kb
for i in 0 1 2; do
  ms[$i]=$(cut -d' ' -f1 "/tmp/startup-${names[$i]}.txt" | median)
  kb[$i]=$(cut -d' ' -f2 "/tmp/startup-${names[$i]}.txt" | median)
  printf '%-16s %6s ms to a mapped window, %6s kB resident when idle\n' \
    "${labels[$i]}:" "${ms[$i]}" "${kb[$i]}"
done
awk -v a="${ms[2]}" -v b="${ms[0]}" -v c="${kb[2]}" -v d="${kb[0]}" \
  'BEGIN {printf "QIRAZO / empty window: time %.2f (goal <= 1.30), memory %.2f (goal <= 1.25)\n", a / b, c / d}'
awk -v a="${ms[1]}" -v b="${ms[0]}" -v c="${kb[1]}" -v d="${kb[0]}" \
  'BEGIN {printf "text window / empty:   time %.2f, memory %.2f\n", a / b, c / d}'
awk -v a="${ms[2]}" -v b="${ms[1]}" -v c="${kb[2]}" -v d="${kb[1]}" \
  'BEGIN {printf "QIRAZO / text window:  time %.2f, memory %.2f\n", a / b, c / d}'
