# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end tests, which source it: a scratch folder, removed at the end with the
# processes the test started; a private X server; the program's window; the X bells rung; and the
# session every smoke test runs, once per platform.

scratch=$(mktemp -d)
cleanup() {
    kill "${app:-}" "${bells:-}" "${compositor:-}" "${xserver:-}" 2>/dev/null || true
    # Orca ends before script, its parent, which then collects it rather than leaving it to init.
    [ -z "${orca:-}" ] || pkill -KILL -P "$orca" || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb with a screen of the given size; sets xserver (its process) and screen (":N").
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    xserver=$!
    for _ in $(seq 600); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    screen=":$(cat "$scratch/display")"
}

# Runs the command, the program, on $DISPLAY and waits for its window; sets app (its process) and
# window, which gets the focus, and WIDTH, its width.
start_program() {
    "$@" &
    app=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^TavroTime 1\.0$' | head -n 1) ||
        fail "no window titled 'TavroTime 1.0'"
    # Wine's windows take the keys once activated; without a window manager, focus is what there is.
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}
# The window grows with the desktop's font: a point of its 337 pixels wide layout, in the window.
at() { echo $(($1 * WIDTH / 337)) $(($2 * WIDTH / 337)); }

# Presses Escape and waits for the program ($app) to end; prints and returns its exit code.
close_with_escape() {
    xdotool key Escape
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    local status=0
    wait "$app" || status=$?
    app=
    echo "exit code: $status"
    return "$status"
}

# Counts the X bells rung on $DISPLAY from now on; rung prints the count. Returns once the watcher
# has heard its own greeting, so no bell can ring before it listens.
watch_bells() {
    printf 'Bell(ImAlive) echo "ready\\n"\nBell() echo "bell\\n"\n' >"$scratch/bell.cf"
    stdbuf -oL xkbevd -cfg "$scratch/bell.cf" >"$scratch/bells" 2>/dev/null &
    bells=$!
    for _ in $(seq 600); do grep -qs '^ready$' "$scratch/bells" && return; sleep 0.1; done
}
rung() { grep -c '^bell$' "$scratch/bells" || true; }

# Takes the screenshot of the window into the file; a platform whose window cannot be read alone
# redefines it.
shoot() { import -window "$window" "$1"; }

# The smoke test, in the window start_program opened: digits ring no bell, a refused letter one;
# half an hour at 25 %, the minutes field entered by mouse (the click that enters it selects its
# "00" for the next digits, so they ring nothing), the others by Tab, and Enter leave an estimate
# in the SCREENSHOT; then the CHECK the caller names, if any, and Escape must end the program
# with 0.
# Usage: smoke_session SCREENSHOT [CHECK]
smoke_session() {
    watch_bells
    xdotool type --delay 40 00
    sleep 0.5
    [ "$(rung)" -eq 0 ] || fail "digits rang the bell"
    xdotool type --delay 40 a
    for _ in $(seq 100); do [ "$(rung)" -ge 1 ] && break; sleep 0.1; done
    xdotool mousemove --window "$window" $(at 92 44) click 1
    xdotool type --delay 40 30
    xdotool key Tab
    xdotool type --delay 40 00
    xdotool key Tab
    xdotool type --delay 40 25
    xdotool key Return
    sleep 1
    [ "$(rung)" -eq 1 ] || fail "$(rung) bells rang, not one for the refused key"
    echo "a refused key rang the bell"
    shoot "$1"
    echo "screenshot: $1"
    [ -z "${2:-}" ] || "$2"
    close_with_escape || fail "the program did not end cleanly"
}
