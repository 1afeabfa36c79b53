#!/bin/sh
# End-to-end checks of the real program in a real window. Each scenario runs inside a virtual
# X server of its own.
#
#   window_test.sh SCENARIO CORVEXA XPROBE EXPECTED_REPORT [ARGUMENTS...]
set -u

scenario=$1
corvexa=$2
xprobe=$3
expected_report=$4
title=Corvexa
work=$(mktemp -d)
. "$(dirname "$0")/xsession.sh"
session "$work" "$xprobe" "$title"

start() {
    "$corvexa" "$@" >"$work/stdout" 2>"$work/stderr" &
    pid=$!
    wait_for_window "$pid" 100
    # Let the first frames be drawn.
    sleep 1
}

# Asks the window to close as a window manager does and expects a clean exit.
close_and_expect_clean_exit() {
    close_window 100
    status=$?
    [ "$status" -eq 0 ] || fail "exit status $status after closing the window"
    [ ! -s "$work/stderr" ] || fail "unexpected error output: $(cat "$work/stderr")"
}

start_server
case $scenario in
opens)
    start
    [ "$(cat "$work/geometry")" = "0 0 700 500" ] ||
        fail "window geometry is $(cat "$work/geometry"), not 700x500 at the top-left"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the program ended on its own"
    close_and_expect_clean_exit
    cmp -s "$work/stdout" "$expected_report" || fail "the start-up report differs"
    ;;
scene)
    start
    # The Earth at the centre: its middle cells are sea.
    [ "$(count 0 0 255 8 300 200 100 100)" -gt 2500 ] || fail "no blue Earth at the centre"
    # The ship's light grey hull in the top-left quarter.
    [ "$(count 195 195 195 3 0 0 350 250)" -gt 40 ] || fail "no ship near the top-left"
    [ "$(count 254 0 0 3 0 0 700 500)" -eq 0 ] || fail "a flame without thrust"

    xdotool keydown w
    sleep 0.5
    flame=$(count 254 0 0 3 0 0 700 500)
    xdotool keyup w
    [ "$flame" -gt 0 ] || fail "no red flame while W is held"
    sleep 0.5
    [ "$(count 254 0 0 3 0 0 700 500)" -eq 0 ] || fail "the flame stays after W is released"

    # Turn toward the right of the screen, so that shots cross it, then fire a few.
    xdotool keydown d
    sleep 0.8
    xdotool keyup d
    [ "$("$xprobe" bullets "$title")" -eq 0 ] || fail "bullets before any shot"
    for _ in 1 2 3 4 5; do
        xdotool key space
        sleep 0.1
    done
    [ "$("$xprobe" bullets "$title")" -gt 0 ] || fail "no bullet after the space bar"
    close_and_expect_clean_exit
    ;;
not-test)
    # Only "--test" exactly as the first argument ends the program after the report.
    shift 4
    start "$@"
    close_and_expect_clean_exit
    cmp -s "$work/stdout" "$expected_report" || fail "the start-up report differs"
    ;;
report-in-file)
    # Sent to a file, the report is there while the window is open, and stays there when a
    # signal ends the process.
    start
    cmp -s "$work/stdout" "$expected_report" || fail "the report is not in the file while the window is open"
    kill -TERM "$pid"
    wait_for_exit 100 "SIGTERM"
    cmp -s "$work/stdout" "$expected_report" || fail "the report was lost when the process was ended"
    ;;
odd-argument)
    # A first argument of every byte but zero, far longer than any option.
    argument=$(awk 'BEGIN { for (i = 0; i < 100000; i++) printf "%c", 1 + i % 255 }')
    start "$argument"
    close_and_expect_clean_exit
    cmp -s "$work/stdout" "$expected_report" || fail "the start-up report differs"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
