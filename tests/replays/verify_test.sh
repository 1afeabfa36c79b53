#!/bin/sh
# Replays kept from other platforms verify here: one recorded in the Linux window, one saved
# from a scripted headless run, one saved from the page. Each must say "replay matches".
#   verify_test.sh REPLAYS_DIR COMMAND...
set -u
replays=$1
shift
failures=0
for replay in "$replays"/*.replay; do
    verdict=$("$@" --verify "$replay" | tr -d '\r')
    status=$?
    if [ "$status" -ne 0 ] || [ "$verdict" != "replay matches" ]; then
        echo "FAIL: $(basename "$replay"): status $status, '$verdict'" >&2
        failures=$((failures + 1))
    else
        echo "$(basename "$replay"): $verdict"
    fi
done
[ "$failures" -eq 0 ]
