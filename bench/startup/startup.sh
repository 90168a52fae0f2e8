#!/usr/bin/env bash
# Start-up cost of QIRAZO against an empty Qt window of the same size: time
# from launch to a viewable window, and resident memory once idle, as medians
# over several runs on a private Xvfb display.
# Usage: bench/startup/startup.sh [build-dir] [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
runs="${2:-15}"
program="$build/src/app/qirazo"
empty="$build/bench/startup/emptywindow"

n=$((700 + $$ % 200))
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$n"
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

# measure PROGRAM TITLE -> "milliseconds kilobytes"
measure() {
  local start pid win="" t rss
  start=$(date +%s%N)
  (cd "$here/resources/recordings" && exec "$1" >/dev/null 2>>/tmp/startup-stderr.txt) &
  pid=$!
  for _ in $(seq 2000); do
    win=$(timeout 2 xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1) || true
    [ -n "$win" ] && break
    sleep 0.002
  done
  [ -n "$win" ] || { echo "no window from $1" >&2; kill $pid; return 1; }
  t=$((($(date +%s%N) - start) / 1000000))
  sleep 1
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill $pid
  wait $pid 2>/dev/null || true
  echo "$t $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for which in empty qirazo; do
  : >"/tmp/startup-$which.txt"
done
for _ in $(seq "$runs"); do
  measure "$empty" '^EMPTY$' >>/tmp/startup-empty.txt
  measure "$program" '^QIRAZO  3\.45$' >>/tmp/startup-qirazo.txt
done
et=$(cut -d' ' -f1 /tmp/startup-empty.txt | median)
em=$(cut -d' ' -f2 /tmp/startup-empty.txt | median)
qt=$(cut -d' ' -f1 /tmp/startup-qirazo.txt | median)
qm=$(cut -d' ' -f2 /tmp/startup-qirazo.txt | median)
echo "runs: $runs (medians)"
echo "empty Qt window: ${et} ms to a viewable window, ${em} kB resident when idle"
echo "QIRAZO:          ${qt} ms to a viewable window, ${qm} kB resident when idle"
awk -v a="$qt" -v b="$et" -v c="$qm" -v d="$em" \
  'BEGIN {printf "ratio: time %.2f (goal <= 1.30), memory %.2f (goal <= 1.25)\n", a / b, c / d}'
