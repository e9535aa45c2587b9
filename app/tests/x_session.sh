# Shared by the end-to-end tests, which source it after making $scratch: a private X server, and
# closing the program as a user would.

# Starts Xvfb with a screen of the given size; sets xserver (its process) and screen (":N").
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    xserver=$!
    for _ in $(seq 600); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    screen=":$(cat "$scratch/display")"
}

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
    for _ in $(seq 600); do grep -q '^ready$' "$scratch/bells" && return; sleep 0.1; done
}
rung() { grep -c '^bell$' "$scratch/bells" || true; }
