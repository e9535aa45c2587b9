#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine, builds TavroTime, then opens it (run) or runs every test
# (test).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
    run | test) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

bash scripts/setup.sh build
[ "$mode" = test ] && bash scripts/setup.sh test
cmake --preset default
cmake --build --preset default -j 2

if [ "$mode" = test ]; then
    ctest --preset default
else
    exec build/default/app/TavroTime
fi
