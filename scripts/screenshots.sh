#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the window as a desktop shows it (title bar and icon drawn by openbox), at scale
# factors 1 and 2, with a dark palette, and in Arabic, mirrored, for checking by eye that every
# text is whole and the icon crisp. Writes build/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh build
bash scripts/setup.sh test
bash scripts/setup.sh screenshots
cmake --preset default >/dev/null
cmake --build --preset default -j 2
mkdir -p build/screenshots

shoot() {
    local name=$1
    shift
    local scratch
    scratch=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 900x800x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    local xserver=$!
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$scratch/display")"
    openbox >/dev/null 2>&1 &
    local wm=$!
    sleep 0.5
    env QT_QPA_PLATFORM=xcb LC_ALL=en_US.UTF-8 "$@" build/default/app/TavroTime &
    local app=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^TavroTime 1\.0$' | head -n 1)
    xdotool windowactivate --sync "$window"
    # One hour at 50 %, done-at two hours after the second in which OK is pressed, so that the
    # projection reads "Completed (+ 50.00 %)": every result label gets a text.
    xdotool type 01; xdotool key Tab; xdotool type 00; xdotool key Tab; xdotool type 00
    xdotool key Tab; xdotool type 50; xdotool key Tab Tab
    local ok_at=$(($(date +%s) + 2))
    xdotool type "$(date -d "@$((ok_at + 7200))" +%H%M%S)"
    while [ "$(date +%s)" -lt "$ok_at" ]; do sleep 0.05; done
    xdotool key Return
    sleep 0.5
    import -window root -trim "build/screenshots/$name.png"
    echo "build/screenshots/$name.png"
    kill "$app" "$wm" "$xserver"
    wait 2>/dev/null || true
    rm -rf "$scratch"
}

shoot scale-1 QT_SCALE_FACTOR=1
shoot scale-2 QT_SCALE_FACTOR=2
shoot dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
shoot arabic LANGUAGE=ar LC_ALL=ar_EG.UTF-8
