#!/usr/bin/env bash
# End to end on Windows: the version information Windows shows for the file, then the real
# program under Wine, in the runner's X server, typed at with xdotool: the title, no bell for
# digits and one for a refused key (Wine rings MessageBeep as the X bell), an estimate left in a
# screenshot, and Escape ending it with 0. A Wayland session around it must not change the
# platform the Windows program opens with.
# Usage: wine_smoke_test.sh PROGRAM SCREENSHOT.png WINE_RUNNER...
set -euo pipefail
program=$1
screenshot=$2
shift 2
source "$(dirname "$0")/x_session.sh"

# Each name of the resource's version block is followed by its value.
pairs=$(strings -el "$program" | awk 'NR > 1 { print previous "=" $0 } { previous = $0 }')
for pair in FileVersion=1.00 ProductVersion=1.00 ProductName=TavroStat InternalName=TavroTime \
    OriginalFilename=TavroTime.exe \
    "LegalCopyright=Copyright (C) 2026 TavroStat. GPL-3.0-or-later."; do
    grep -qxF "$pair" <<<"$pairs" || fail "no $pair in the version information"
done

DISPLAY=$("$@" --display)
export DISPLAY

start_program env WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland "$@" "$program"
smoke_session "$screenshot"
