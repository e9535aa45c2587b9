#!/usr/bin/env bash
# End to end: the real program in a private X server, typed at as a user would with xdotool.
# Usage: smoke_test.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2

scratch=$(mktemp -d)
cleanup() {
    kill "${app:-}" "${xserver:-}" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
source "$(dirname "$0")/x_session.sh"

start_xvfb 640x480x24
export DISPLAY=$screen
export QT_QPA_PLATFORM=xcb

"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^TavroTime 1\.0$' | head -n 1)
xdotool windowfocus --sync "$window"

xdotool type --delay 40 00
# Into the minutes field by mouse: the click that enters it selects its "00" for the next digits.
xdotool mousemove --window "$window" 92 44 click 1
xdotool type --delay 40 30
xdotool key Tab
xdotool type --delay 40 00
xdotool key Tab
xdotool type --delay 40 25
xdotool key Return
sleep 0.5
import -window "$window" "$screenshot"
echo "screenshot: $screenshot"

close_with_escape
