#!/usr/bin/env bash
# Screenshots of the word-study page on the fixture databases, on a virtual X display:
#   scripts/wordstudy-demo.sh [build folder] [output folder] [Chinese text size: 100, 150, 200]
# The page for 你 and for the phrase 你好, frames of the stroke animation, and 你 written with the
# mouse (driven by xdotool along its reference strokes) before and after grading. Above 100 % the
# animation and the writing happen in the pad's own window.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/screenshots}
size=${3:-100}
mkdir -p "$out"

program=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$program"' EXIT
cp "$build/tests/charstudy/wordstudy_demo" "$program/"
cp -r "$build/program/image" "$program/" 2>/dev/null || true
mkdir -p "$program/sound"
printf '[WORDSTUDY_PROMPT]\nMsgBoxTitle=Tip\nBhOrder=Please follow the stroke order.\nGrades=Grade\n[WORDSTUDY_TOOLTIP]\nBtnGrade=Grade my writing\nBtnExercise=Write the character\nBtnCartoon=Show the stroke order\nBtnSpeak=Listen\n' >"$program/wordstudy_en.ini"

display=:$((80 + RANDOM % 9))
screen=480x560
[ "$size" = 100 ] || screen=720x740
Xvfb "$display" -screen 0 "${screen}x24" >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

run() { # scenario; leaves the demo running in $demo with its state folder in $state
    state=$(mktemp -d)
    "$program/wordstudy_demo" "$1" "$state" "$size" &
    demo=$!
    for _ in $(seq 100); do [ -e "$state/ready" ] && break; sleep 0.1; done
    sleep 0.3
}
finish() {
    kill "$demo" 2>/dev/null || true
    wait "$demo" 2>/dev/null || true
    rm -rf "$state"
}

run ni; import -window root "$out/wordstudy_ni.png"; finish
run phrase; import -window root "$out/wordstudy_phrase.png"; finish

run animation
for frame in 1 2 3 4; do
    import -window root "$out/wordstudy_animation_$frame.png"
    sleep 0.7
done
sleep 3
import -window root "$out/wordstudy_animation_end.png"
finish

run write
while read -r stroke; do
    set -- $stroke
    [ $# -gt 0 ] || continue
    xdotool mousemove "${1%,*}" "${1#*,}" mousedown 1
    for point in "$@"; do
        xdotool mousemove "${point%,*}" "$((${point#*,} + 2))"
        sleep 0.01
    done
    xdotool mouseup 1
    sleep 0.1
done <"$state/strokes.txt"
sleep 0.3
import -window root "$out/wordstudy_written.png"
read -r gx gy <"$state/grade.txt" || true
xdotool mousemove "$gx" "$gy" click 1
sleep 0.8
import -window root "$out/wordstudy_graded.png"
finish
echo "screenshots in $out"
