#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program of the Windows build under Wine: CTest's cross-compiling emulator, also used by
# the end-to-end tests and the packaging checks.
# - a private Wine prefix under STATE, set up once, with its own Xvfb and a wineserver that both
#   stay until --stop;
# - QT_* variables reach the program the way Wine 8 passes them, as WINEQT_*, and Qt Test writes
#   to stderr, which the program has without a console;
# - the offscreen platform gets fonts;
# - TZ gives Wine its zone, and reaches the Windows program too, which reads it as Windows does;
# - the DLLs from the folders DLL_DIRS (colon-separated) through WINEPATH.
# Usage: wine-run.sh STATE DLL_DIRS PROGRAM [ARG...]
#        wine-run.sh STATE DLL_DIRS --display|--stop
set -euo pipefail
state=$(realpath -m "$1")
dll_dirs=$2
shift 2
mkdir -p "$state"
# Wine's messages only where a test asks for them, but for a DLL the program cannot load: without
# that line such a program ends at once, with exit code 53 and not a word.
export WINEPREFIX=$state/prefix WINEDEBUG=${WINEDEBUG:--all,err+module} WINEDLLOVERRIDES="mscoree,mshtml="

if [ "${1:-}" = --stop ]; then
    wineserver -k 2>/dev/null || true
    [ -f "$state/xvfb.pid" ] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
    exit 0
fi

# The X server, the prefix and the wineserver, once, whoever comes first; none of them keeps the
# caller's output open.
exec 9>"$state/lock"
flock 9
if [ ! -f "$state/xvfb.pid" ] || ! kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/display" \
        </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.1; done
fi
export DISPLAY=":$(cat "$state/display")"
if [ ! -f "$WINEPREFIX/.ready" ]; then
    wineboot -i </dev/null >/dev/null 2>&1 9>&-
    # A program that crashes prints Wine's backtrace and ends, instead of waiting for someone to
    # close the crash dialog while its test runs into CTest's time limit.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        </dev/null >/dev/null 2>&1 9>&-
    wineserver -w
    # Wine's own fonts (Tahoma, the dialogs' font, as on Windows) reach its programs only from
    # the prefix's font folder.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.ready"
fi
# Fails when the server runs already. A new one gets Wine's own services at once, so that none of
# them starts with, and keeps open, the output of a program CTest waits on.
if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
    wine wineboot </dev/null >/dev/null 2>&1 9>&-
fi
exec 9>&-

if [ "${1:-}" = --display ]; then
    echo "$DISPLAY"
    exit 0
fi

while IFS='=' read -r name value; do
    export "WINE$name=$value"
done < <(env | grep '^QT_' || true)
export WINEQT_FORCE_STDERR_LOGGING=1
# The offscreen platform finds no fonts on Windows: it gets the build machine's, which fontconfig
# gives it on Linux.
if [[ "${QT_QPA_PLATFORM:-}" == offscreen* ]]; then
    export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu
fi
# Z: is the Unix root in every prefix. Spelt here rather than asked of winepath, one Wine process
# more for each folder that could fail without a word.
WINEPATH=
IFS=: read -ra folders <<<"$dll_dirs"
for folder in "${folders[@]}"; do
    folder=$(realpath -m "$folder")
    WINEPATH+="Z:${folder//\//\\};"
done
export WINEPATH
exec wine "$@"
