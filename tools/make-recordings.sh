#!/bin/sh
# Makes the 28 letter recordings, resources/recordings/<name>.wav, each saying
# the letter's Arabic name with espeak-ng's Arabic voice. Every file is trimmed
# of its leading and trailing silence and brought to the same peak level, so
# that no letter sounds louder than its neighbours when the text is read out.
#
#   tools/make-recordings.sh [OUTPUT_DIR]    (default: resources/recordings)
#
# Needs espeak-ng and sox. -R makes sox seed its dither with a fixed number, so
# a second run writes the same bytes and leaves git with nothing to commit.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../resources/recordings"}
peak_db=-1
# Slower than the voice's default, for listeners who are learning the sounds.
words_per_minute=120

for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$0: $tool is not installed" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Recording name and the letter's name, fully vowelled so that the voice does
# not have to guess the vowels; abjad order, position 1 to 28.
while read -r name word; do
    [ -n "$name" ] || continue
    espeak-ng -v ar -s "$words_per_minute" -w "$work/raw.wav" "$word"
    sox -R "$work/raw.wav" -b 16 -c 1 -e signed-integer "$out/$name" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
        rate -v 48000 norm "$peak_db"
done <<'LETTERS'
a.wav أَلِف
b.wav بَاء
g.wav جِيم
d.wav دَال
h.wav هَاء
w.wav وَاو
z.wav زَاي
7.wav حَاء
8.wav طَاء
y.wav يَاء
k.wav كَاف
l.wav لَام
m.wav مِيم
n.wav نُون
s.wav سِين
3.wav عَيْن
f.wav فَاء
c.wav صَاد
4.wav قَاف
r.wav رَاء
ch.wav شِين
t.wav تَاء
th.wav ثَاء
10.wav خَاء
dh.wav ذَال
6.wav ضَاد
5.wav ظَاء
gh.wav غَيْن
LETTERS

echo "$0: wrote 28 recordings to $out"
