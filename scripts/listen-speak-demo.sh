#!/usr/bin/env bash
# Runs one speaking-practice attempt on a virtual X display and saves a screenshot of the pane
# after its rating:
#   scripts/listen-speak-demo.sh [build folder] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"

. scripts/virtual-display.sh
start_virtual_display 500x600

"$build/tests/audio/listenspeak_demo" > "$out/listen_speak.log" &
demo=$!
# Making the content takes a while; then model, cue, recording window and rating about nine seconds.
for _ in $(seq 600); do
    grep -qE "prompt: (good!|Not So bad!|Try again!)" "$out/listen_speak.log" && break
    sleep 0.1
done
sleep 0.5
import -window root "$out/demo_listen_speak.png"
kill "$demo" 2>/dev/null || true
wait "$demo" 2>/dev/null || true
cat "$out/listen_speak.log"
echo "screenshot in $out/demo_listen_speak.png"
