#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that a group of tasks needs, asking apt only for missing ones. The
# names are those of both Debian 12 and Debian 13, never a versioned compiler package.
# windows also builds the minimal Qt for Windows into its cache (scripts/windows-qt.sh).
# Usage: scripts/setup.sh build|test|checks|screenshots|windows
set -euo pipefail

case "${1:-}" in
    build)
        # dpkg-dev and file: cpack reads the package's library dependencies off the binary.
        # qt6-base-private-dev: a window test turns Qt 6.4's accessibility on.
        packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev qt6-tools-dev qt6-l10n-tools
            qt6-translations-l10n dpkg-dev file qt6-base-private-dev)
        ;;
    # The fonts the window's tests measure with (cmake/test_fonts.conf.in): desktops' families,
    # a Thai one and the smallest that draws Japanese and Chinese.
    test)
        packages=(tzdata xvfb xdotool imagemagick desktop-file-utils appstream weston xwayland
            qt6-wayland x11-utils x11-xkb-utils orca at-spi2-core dbus lintian fonts-dejavu-core
            fonts-noto-core fonts-cantarell fonts-liberation2 fonts-thai-tlwg fonts-droid-fallback)
        ;;
    checks) packages=(clang libclang-rt-dev clang-format reuse) ;;
    screenshots) packages=(openbox qt6-gtk-platformtheme) ;;
    # The x86-64 posix-threads cross compilers only; the mingw-w64 metapackage adds 0.75 GB of
    # compilers for 32-bit and win32 threads.
    windows)
        packages=(g++-mingw-w64-x86-64-posix wine wine64 nsis googletest dpkg-dev xvfb imagemagick
            zip unzip locales fonts-dejavu-core fonts-wine icoutils xclip)
        ;;
    *) echo "usage: $0 build|test|checks|screenshots|windows" >&2; exit 2 ;;
esac

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]}"
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi
if [ "$1" = windows ]; then
    # Wine gives a Windows program the locale of the Unix one, which must exist: those the tests
    # and the tries under Wine use.
    for locale in en_US de_DE; do
        locale -a | grep -qx "$locale.utf8" ||
            "${as_root[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    done
    bash "$(dirname "$0")/windows-qt.sh"
fi
