#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the real program in a private X server, typed at as a user would with xdotool; with
# DRAG_SOURCE, texts dragged into it from another program.
# Usage: smoke_test.sh PROGRAM SCREENSHOT.png [DRAG_SOURCE]
set -euo pipefail
program=$1
screenshot=$2
drag_source=${3:-}
source "$(dirname "$0")/x_session.sh"

start_xvfb 640x480x24
export DISPLAY=$screen
export QT_QPA_PLATFORM=xcb

# Drags TEXT from the other program onto the percentage field with Shift held, which asks for a
# move; the action the source was told and the bells rung must be ACTION and BELLS.
drop() {
    local before source_window action
    before=$(rung)
    "$drag_source" "$1" >"$scratch/action" &
    source_window=$(timeout 60 xdotool search --sync --onlyvisible --name '^drag source$' | head -n 1)
    sleep 0.3
    xdotool mousemove --window "$source_window" 50 50 keydown shift mousedown 1
    for _ in $(seq 600); do grep -q dragging "$scratch/action" && break; sleep 0.1; done
    for x in 300 200 100 44; do xdotool mousemove --window "$window" $(at "$x" 116); sleep 0.1; done
    sleep 1  # for the field's answer to reach the source, however loaded the machine
    xdotool mouseup 1 keyup shift
    wait $!
    action=$(tail -n 1 "$scratch/action")
    for _ in $(seq 100); do [ "$(rung)" -ge $((before + $3)) ] && break; sleep 0.1; done
    [ "$action" = "$2" ] || fail "'$1' dropped: the source was told $action, not $2"
    [ "$(rung)" -eq $((before + $3)) ] || fail "'$1' dropped: $(($(rung) - before)) bells, not $3"
}
drops() {
    xdotool mousemove --window "$window" $(at 44 116) click 1 key End BackSpace BackSpace  # empties it
    drop ab ignore 1
    drop 42 move 0
    drop 5 ignore 1
    xdotool mousemove --window "$window" $(at 44 116) click 1 key End BackSpace BackSpace
    drop 123 copy 1
    echo "drops from another program: refused, moved, copied when cut short"
}

start_program "$program"
smoke_session "$screenshot" ${drag_source:+drops}
