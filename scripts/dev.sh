#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 or 13 machine, builds TavroTime, then opens it (run) or runs every test
# (test). windows cross-builds TavroTime.exe and runs its tests under Wine; windows-package makes
# the portable zip and the installer and starts the program from each under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
    run | test | windows | windows-package) ;;
    *) echo "usage: $0 run|test|windows|windows-package" >&2; exit 2 ;;
esac

if [ "$mode" = windows ] || [ "$mode" = windows-package ]; then
    bash scripts/setup.sh windows
    bash scripts/setup.sh test
    TAVRO_QT_WINDOWS=$(bash scripts/windows-qt.sh | tail -n 1)
    export TAVRO_QT_WINDOWS
    cmake --preset windows
    cmake --build --preset windows -j 2
    runner=(bash scripts/wine-run.sh build/windows/wine "")
    trap '"${runner[@]}" --stop' EXIT
    # Sets up the Wine prefix before CTest lists the estimate tests under it.
    "${runner[@]}" --display >/dev/null
    if [ "$mode" = windows ]; then
        ctest --preset windows
        exit 0
    fi
    cmake --build --preset windows --target windows_package
    ls -l build/windows/package/*.zip build/windows/package/*-setup.exe
    # Each starts under Wine with nothing but its own files: the zip unpacked, and the program the
    # installer put into the user's programs folder.
    package=$(echo build/windows/package/*.zip)
    rm -rf build/windows/package/unpacked
    unzip -q "$package" -d build/windows/package/unpacked
    bash app/tests/wine_smoke_test.sh build/windows/package/unpacked/TavroTime/TavroTime.exe \
        build/windows/package/zip_screenshot.png "${runner[@]}"
    "${runner[@]}" "$(echo build/windows/package/*-setup.exe)" /S
    installed=build/windows/wine/prefix/drive_c/users/$(id -un)/AppData/Local/Programs/TavroTime
    bash app/tests/wine_smoke_test.sh "$installed/TavroTime.exe" \
        build/windows/package/installed_screenshot.png "${runner[@]}"
    # TavroTime's licence beside Qt's, in the zip and where the installer put it, and the
    # installer's page that shows it before it installs.
    for folder in build/windows/package/unpacked/TavroTime "$installed"; do
        echo "$folder/licenses: $(ls "$folder/licenses" | paste -sd " ")"
        for licence in TavroTime.txt Qt.txt; do
            [ -s "$folder/licenses/$licence" ] || { echo "FAIL: no licenses/$licence" >&2; exit 1; }
        done
    done
    grep -qx 'Page license' build/windows/installer.nsi || { echo "FAIL: no licence page" >&2; exit 1; }
    exit 0
fi

bash scripts/setup.sh build
[ "$mode" = test ] && bash scripts/setup.sh test
cmake --preset default
cmake --build --preset default -j 2

if [ "$mode" = test ]; then
    ctest --preset default
else
    exec build/default/app/TavroTime
fi
