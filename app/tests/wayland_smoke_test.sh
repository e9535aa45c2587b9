#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end on a Wayland desktop: weston (drawing into a private Xvfb, which passes on the keys
# that xdotool sends) with XWayland, the program started as a Wayland session starts it. Checks
# the title, the class the desktop entry names, that a refused key rings the X bell on XWayland's
# display; and that the results fit at the scale factor 2 that a desktop's Xft.dpi of 192 gives X11
# programs.
# Usage: wayland_smoke_test.sh PROGRAM TEXT_FIT_TEST DESKTOP_ENTRY SCREENSHOT.png
set -euo pipefail
program=$1
text_fit_test=$2
desktop_entry=$3
screenshot=$4
source "$(dirname "$0")/x_session.sh"
fail() {
    echo "FAIL: $*" >&2
    tail -n 20 "$scratch/weston.log" >&2 || true
    exit 1
}
# XWayland's windows are drawn by weston: the screenshot is of weston's output.
shoot() { import -display "$screen" -window root "$1"; }

start_xvfb 1280x1024x24

mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime
: >"$scratch/weston.log"  # read below before weston may have written to it
DISPLAY=$screen weston --backend=x11-backend.so --use-pixman --xwayland --width=1200 \
    --height=960 --socket=wayland-tavro --idle-time=0 --log="$scratch/weston.log" \
    2>>"$scratch/weston.log" &
compositor=$!
xwayland=
for _ in $(seq 600); do
    xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$scratch/weston.log")
    [ -n "$xwayland" ] && [ -S "$XDG_RUNTIME_DIR/wayland-tavro" ] && break
    sleep 0.1
done
[ -n "$xwayland" ] || fail "weston started no XWayland: $(cat "$scratch/weston.log")"

# What a Wayland session sets; the program picks its platform by itself.
export WAYLAND_DISPLAY=wayland-tavro DISPLAY=$xwayland XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM
# The resource a desktop sets for X11 programs that scale themselves on a high-density screen.
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"

start_program "$program"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[ "$class" = "$entry_class" ] || fail "window class '$class', desktop entry names '$entry_class'"
smoke_session "$screenshot"

# On the private X server with the same resource rather than through weston: weston 14 (Debian
# 13) aborts with a double free in its XWayland window manager under the hundreds of windows the
# fit test opens and closes.
DISPLAY=$screen xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
DISPLAY=$screen QT_QPA_PLATFORM=xcb TZ=Europe/Berlin LC_ALL=en_US.UTF-8 "$text_fit_test" -silent ||
    fail "results do not fit at scale factor 2 from Xft.dpi"
echo "results fit at scale factor 2 from Xft.dpi"
