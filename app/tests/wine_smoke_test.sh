#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
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

# The manifest Windows reads before the program runs: exactly the project's, no linker default.
cmp <(wrestool -x --raw --type=24 "$program") "$(dirname "$0")/../TavroTime.exe.manifest" ||
    fail "the manifest in the program is not app/TavroTime.exe.manifest"

DISPLAY=$("$@" --display)
export DISPLAY

# TZ=Europe/Berlin gives Wine its zone and reaches the program, whose C runtime cannot read it: the
# picker opens at Berlin's time (copied with Ctrl+A, Ctrl+C), not at UTC's.
from=$(TZ=Europe/Berlin date +%T)
start_program env TZ=Europe/Berlin "$@" "$program"
xdotool key --delay 40 Tab Tab Tab Tab Tab ctrl+a ctrl+c
for _ in $(seq 50); do  # until the copy replaces an earlier run's; across midnight, any time
    shown=$(xclip -o -selection clipboard 2>/dev/null || true) to=$(TZ=Europe/Berlin date +%T)
    [[ ! $shown < $from && ! $shown > $to || $from > $to ]] && break || sleep 0.1
done
echo "picker under TZ=Europe/Berlin: $shown, Berlin time $from to $to"
[[ ! $shown < $from && ! $shown > $to || $from > $to ]] || fail "the picker opened off Berlin time"
close_with_escape || fail "the program did not end cleanly"

start_program env WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland "$@" "$program"
smoke_session "$screenshot"
