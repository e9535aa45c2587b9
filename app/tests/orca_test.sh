#!/usr/bin/env bash
# End to end with the Orca screen reader in a private session (X server, D-Bus, the AT-SPI bus it
# starts on demand): after OK Orca speaks the total and the completion, after a change of the
# done-at picker the new done-at result; in English and in German.
# Usage: orca_test.sh PROGRAM
set -euo pipefail
program=$1

scratch=$(mktemp -d)
cleanup() {
    kill "${app:-}" "${orca:-}" "${bus:-}" "${xserver:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/x_session.sh"

start_xvfb 640x480x24
# Orca with its default settings.
export DISPLAY=$screen HOME=$scratch XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus; } < <(dbus-daemon --session --fork \
    --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS
# On a terminal Orca writes its log line by line, not in blocks that may wait for more to come.
touch "$scratch/orca.log"
script -qfec 'orca --debug-file=/dev/stdout' "$scratch/orca.log" </dev/null >/dev/null 2>&1 &
orca=$!

# Waits for Orca to say a line matching the extended regular expression, after what it had said
# when it last heard one.
said=0
hear() {
    local new
    for _ in $(seq 300); do
        new=$(sed -n "s/.*SPEECH OUTPUT: '\(.*\)'[ []*{'established.*/\1/p" "$scratch/orca.log")
        new=$(tail -n +$((said + 1)) <<<"$new")
        grep -E -- "$1" <<<"$new" && said=$((said + $(wc -l <<<"$new"))) && return
        sleep 0.2
    done
    fail "Orca did not say /$1/ but: $(tr '\n' '|' <<<"$new")"
}
hear 'Screen reader on'
# Waits for Orca to write nothing for two seconds: it has caught up. Orca 43 drops the appearing of
# anything but the focus when more than 50 events wait, as typing faster than it reads can make.
settle() {
    local size=-1
    for _ in $(seq 60); do
        [ "$(stat -c %s "$scratch/orca.log")" = "$size" ] && return
        size=$(stat -c %s "$scratch/orca.log")
        sleep 2
    done
}

# The language, the captions Orca reads (the hours field, total, completion, done at) and the
# format of the completion.
while IFS='|' read -r language hours total completion done_at date; do
    LC_ALL=$language.UTF-8 LANGUAGE= "$program" &
    app=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^TavroTime 1\.0$' | head -n 1)
    xdotool windowfocus --sync "$window"
    hear "^$hours"
    xdotool type --delay 40 00 && xdotool key Tab
    xdotool type --delay 40 30 && xdotool key Tab
    xdotool type --delay 40 00 && xdotool key Tab
    xdotool type --delay 40 25 && settle && xdotool key Return
    hear "$total: 002:00:00\. $completion: $date"
    xdotool key Tab Tab
    hear "^$done_at [0-9:]{8}"
    settle && xdotool key Up
    hear "$done_at: [0-9]{2}[.,][0-9]{2}[^0-9]+%"
    close_with_escape
done <<'LANGUAGES'
en_US|Hours|Total time|Completion|Done at|[0-9]{1,2}/[0-9]{1,2}/[0-9]{2} [0-9:]{7,8} [AP]M\.
de_DE|Stunden|Gesamtdauer|Fertigstellung|Stand um|[0-9]{2}\.[0-9]{2}\.[0-9]{2} [0-9:]{8}\.
LANGUAGES
