#!/bin/sh
# Replays kept from other platforms verify here: one recorded in the Linux window, one saved
# from a scripted headless run, one saved from the page. Each must say "replay matches", with
# status 0.
#   verify_test.sh REPLAYS_DIR COMMAND...
set -u
replays=$1
shift
work=$(mktemp -d)
. "$(dirname "$0")/../support/checks.sh"

for replay in "$replays"/*.replay; do
    name=$(basename "$replay")
    # The status is the verifier's own, not that of a pipe's last command.
    "$@" --verify "$replay" >"$work/out"
    status=$?
    verdict=$(tr -d '\r' <"$work/out")
    if [ "$status" -ne 0 ] || [ "$verdict" != "replay matches" ]; then
        fail "$name: status $status, '$verdict'"
    else
        echo "$name: $verdict"
    fi
done
finish
