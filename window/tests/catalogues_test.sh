#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 TavroStat
# SPDX-License-Identifier: GPL-3.0-or-later
# Every catalogue is complete: lupdate, run over the window's sources into copies of the
# catalogues, finds no text without a translation (new or unfinished) and no translation whose
# text has gone (vanished or obsolete), and no translation is empty.
# Usage: catalogues_test.sh LUPDATE CATALOGUE... -- SOURCE...
set -euo pipefail
lupdate=$1
shift

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copies=()
while [ "$1" != -- ]; do
    cp "$1" "$scratch/"
    copies+=("$scratch/$(basename "$1")")
    shift
done
shift

"$lupdate" -silent -locations none "$@" -ts "${copies[@]}"
status=0
for copy in "${copies[@]}"; do
    if grep -nE -B2 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>' "$copy"; then
        echo "FAIL: $(basename "$copy") is not complete" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "${#copies[@]} catalogues translate every text"
exit "$status"
