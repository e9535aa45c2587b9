#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end with the Orca screen reader in a private session (X server, D-Bus, the AT-SPI bus it
# starts on demand): after OK Orca speaks the total and the completion, after a change of the
# done-at picker the new done-at result, without the window's title and on the braille display
# too; in English and in German.
# Usage: orca_test.sh PROGRAM
set -euo pipefail
# A session bus of its own, which starts the AT-SPI bus when Orca asks and ends with the test. The
# AT-SPI bus takes the bus's environment and puts its socket in the runtime folder, or else in
# the home folder's cache, where another session's test would take it over: both are the test's.
# Orca names its process orca and does not start while another orca of the same user runs: the
# tests of several sessions take turns.
if [ ! -v ORCA_TEST_BUS ]; then
    home=$(mktemp -d)
    exec flock -o /tmp/tavrotime-orca-test.lock env ORCA_TEST_BUS="$home" HOME="$home" \
        XDG_RUNTIME_DIR="$home" dbus-run-session -- bash "$0" "$@"
fi
program=$1
source "$(dirname "$0")/x_session.sh"
trap 'cleanup; rm -rf "$ORCA_TEST_BUS"' EXIT

start_xvfb 640x480x24
# Orca with its default settings.
export DISPLAY=$screen QT_QPA_PLATFORM=xcb
# Qt's accessibility bridge, on only here, keeps a few objects to the end of the process; in the
# sanitizer build the other tests check the program for leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
# On a terminal Orca writes its log line by line, not in blocks that may wait for more to come.
log=$scratch/orca.log && touch "$log"
# An Orca started otherwise, as by a test that does not take turns, may still be ending.
for _ in $(seq 120); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 1; done
script -qfec "exec /usr/bin/python3 $(command -v orca) --debug-file=/dev/stdout" "$log" \
    </dev/null >/dev/null 2>&1 &
orca=$!

# Waits for Orca to say (speech) or show on the braille display (braille) a line matching the
# extended regular expression, after what it had said or shown when it last found one there. The
# lines that came since then stay in $scratch/new.
declare -A found=([speech]=0 [braille]=0)
declare -A line=([speech]="SPEECH OUTPUT: '\(.*\)'[ []*{'established.*"
    [braille]="BRAILLE LINE:  '\(.*\)'.*")
find_in() {
    for _ in $(seq 300); do
        sed -n "s/.*${line[$1]}/\1/p" "$log" | tail -n +$((found[$1] + 1)) >"$scratch/new"
        grep -E -- "$2" "$scratch/new" && found[$1]=$((found[$1] + $(wc -l <"$scratch/new"))) && return
        sleep 0.2
    done
    echo "FAIL: Orca's $1 had no /$2/ but: $(tr '\n' '|' <"$scratch/new") $(tail -n 2 "$log")" >&2
    exit 1
}
hear() { find_in speech "$1"; }
# The results, spoken without the window's title before them ("notification" is Orca's own word),
# and shown on the braille display.
results() {
    hear "^(notification )?$1"
    if grep -F 'TavroTime 1.0' "$scratch/new"; then
        echo "FAIL: Orca said the window's title with the results" >&2
        exit 1
    fi
    find_in braille "^$1"
}
# Waits for Orca to log nothing but its cache clearing for two seconds: it has caught up. Orca 43
# drops the appearing of anything but the focus while more than 50 events wait, as typing faster
# than it reads can make.
settle() {
    local lines=-1
    for _ in $(seq 60); do
        [ "$(grep -vc Clearing "$log")" = "$lines" ] && return
        lines=$(grep -vc Clearing "$log") && sleep 2
    done
}
hear 'Screen reader on'

# The language, the captions Orca reads (the hours field, total, completion, done at) and the
# format of the completion.
while IFS='|' read -r language hours total completion done_at date; do
    start_program env LC_ALL=$language.UTF-8 LANGUAGE= "$program"
    hear "^$hours"
    for digits in 00 30 00; do xdotool type --delay 40 $digits && xdotool key Tab; done
    xdotool type --delay 40 25 && settle && xdotool key Return
    results "$total: 002:00:00\. $completion: $date"
    xdotool key Tab Tab
    hear "^$done_at .*[0-9]{2}:[0-9]{2}:[0-9]{2}"
    # The picker opens at the current hour and does not wrap: Up changes nothing at 23 o'clock.
    step=Up && [ "$(date +%H)" -lt 12 ] || step=Down
    settle && xdotool key $step
    results "$done_at: [0-9]{2}[.,][0-9]{2}[^0-9]+%"
    close_with_escape
done <<'LANGUAGES'
en_US|Hours|Total time|Completion|Done at|[0-9]+/[0-9]+/[0-9]{2}[^0-9]+[0-9:]{7,8}[^0-9]+[AP]M\.
de_DE|Stunden|Gesamtdauer|Fertigstellung|Stand um|[0-9]{2}\.[0-9]{2}\.[0-9]{2}[^0-9]+[0-9:]{8}\.
LANGUAGES
