#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build, unpacks it into a scratch folder, checks what
# it holds and says about itself, then runs the unpacked program under Xvfb.
# Usage: package_test.sh BUILD_DIR SMOKE_TEST APPLICATION_ID VERSION LANGUAGE...
set -euo pipefail
build=$1
smoke_test=$2
app_id=$3
version=$4
shift 4

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
deb=$(echo "$scratch"/package/tavrotime_"$version"_*.deb)
dpkg-deb -x "$deb" "$scratch/root"

fail() { echo "FAIL: $*" >&2; exit 1; }
for file in \
    usr/bin/TavroTime \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/icons/hicolor/16x16/apps/$app_id.png" \
    "usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
    usr/share/doc/tavrotime/copyright \
    usr/share/doc/tavrotime/changelog.gz \
    usr/share/man/man1/TavroTime.1.gz; do
    [ -s "$scratch/root/$file" ] || fail "missing $file"
done
# Debian's policy: no error and no warning (lintian says when it runs as root; that is no finding).
report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
desktop="$scratch/root/usr/share/applications/$app_id.desktop"
metainfo="$scratch/root/usr/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null
# Each language the program speaks names, describes and finds it in launchers and software centres.
for language in "$@"; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$desktop" || fail "no $key[$language] in the desktop entry"
    done
    [ "$(grep -c "xml:lang=\"$language\"" "$metainfo")" -eq 3 ] || fail "metainfo lacks $language"
done

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tavrotime ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ -n "$(field Description)" ] || fail "no description"
field Depends | grep -q 'libqt6widgets6' || fail "dependencies not computed: $(field Depends)"

bash "$smoke_test" "$scratch/root/usr/bin/TavroTime" "$scratch/screenshot.png"
echo "package $(basename "$deb") holds the program, its desktop files, icons and documentation, passes lintian and runs"
