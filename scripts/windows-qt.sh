#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a minimal shared Qt for Windows from Debian's source of the host's own Qt version, with the
# mingw-w64 compilers and the host's Qt tools, into a cache outside the repository. The cache is
# reused while its key (Qt version, compiler version, configure options) matches.
# Prints the Qt prefix on its last line. Usage: scripts/windows-qt.sh
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
# Core, Gui, Widgets and Test with the windows, offscreen and minimal platforms and the native style.
# Debian's source lacks the tablet headers.
options=(-release -shared -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests -nomake benchmarks
    -no-opengl -no-dbus -no-icu -no-vulkan -no-feature-network -no-feature-sql -no-feature-xml
    -no-feature-printsupport -no-feature-concurrent -no-feature-tabletevent
    -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz)
# Qt 6.4's windows plugin fails to link with DirectWrite but without Direct2D; from 6.8 on, the
# font database needs DirectWrite.
if dpkg --compare-versions "$qt_version" lt 6.5; then
    options+=(-no-feature-directwrite -no-direct2d)
fi
key=$(printf '%s\n' "$qt_version" "$compiler" "${options[@]}" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavrotime
prefix=$cache/qt-windows-${qt_version%%+*}-gcc$compiler-$key

# One build at a time; a second caller waits for it and reuses it.
mkdir -p "$cache"
exec 9>"$cache/qt-windows.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
work=$cache/qt-windows-work-$key
mkdir -p "$work"
cd "$work"
if ! ls qt6-base_*.dsc >/dev/null 2>&1; then
    # Debian's source of the same version as the host's Qt: add source entries for the archives
    # already configured, in a file of their own.
    if ! apt-get source --download-only "qt6-base=$qt_version" >/dev/null 2>&1; then
        list=/etc/apt/sources.list.d/tavrotime-deb-src.sources
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                "${as_root[@]}" tee "$list" >/dev/null
        else
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                "${as_root[@]}" tee "${list%.sources}.list" >/dev/null
        fi
        "${as_root[@]}" apt-get update -q -o DPkg::Lock::Timeout=600
        apt-get source --download-only "qt6-base=$qt_version"
    fi
fi
if [ ! -d source ]; then
    rm -rf source.tmp
    dpkg-source --no-check -x qt6-base_*.dsc source.tmp
    mv source.tmp source
fi

started=$(date +%s)
rm -rf build "$prefix"
mkdir build
cd build
../source/configure -prefix "$prefix" "${options[@]}" -- \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel 2
cmake --install .
echo "Qt for Windows built in $(($(date +%s) - started)) s"
touch "$prefix/.complete"
cd "$cache"
rm -rf "$work"
echo "$prefix"
