#!/usr/bin/env bash
# Shows each skinned window of the UI demo on a virtual X display and saves screenshots:
#   scripts/ui-demo.sh [build folder] [output folder]
# The lesson window is also shot after its text panel was scrolled with the down button.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"

. scripts/virtual-display.sh
start_virtual_display 1100x800

shoot() { # window name, output file, optional action
    "$build/tools/uidemo" "$1" &
    local demo=$!
    sleep 1.5
    if [ -n "${3:-}" ]; then eval "$3"; sleep 0.8; fi
    import -window root "$out/$2"
    kill "$demo" 2>/dev/null || true
    wait "$demo" 2>/dev/null || true
}

for window in catalog lesson login tip usertip settings detail; do
    shoot "$window" "demo_$window.png"
done
# Press the text panel's down button (20,20 is where the demo puts the window) and hover a button.
shoot lesson demo_lesson_scrolled.png \
    "xdotool mousemove 508 602 click 1; sleep 0.3; xdotool click 1; sleep 0.3; xdotool mousemove 184 670"
echo "screenshots in $out"
