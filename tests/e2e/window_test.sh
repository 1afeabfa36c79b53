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
# A scene names the window after itself.
[ "$scenario" = scene-record ] && title="Corvexa: $(sed -n 's/^title //p' "$6")"
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

# Waits until the program's standard output has the line, in tenths of a second.
wait_for_output() {
    tries=0
    until grep -qx "$1" "$work/stdout"; do
        tries=$((tries + 1))
        [ "$tries" -lt "$2" ] || fail "no '$1' on standard output: $(tail -n 2 "$work/stdout")"
        kill -0 "$pid" 2>/dev/null || fail "the program ended before saying '$1'"
        sleep 0.1
    done
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
record)
    # A session played with the keyboard is kept as it happens, verifies headless and plays
    # back in the window to the same world.
    headless=$5
    start --record "$work/session"
    xdotool keydown d
    sleep 0.5
    xdotool keyup d keydown w
    sleep 0.5
    xdotool keyup w
    for _ in 1 2 3; do
        xdotool key space
        sleep 0.2
    done
    xdotool key Home
    close_and_expect_clean_exit
    cmp -s "$work/stdout" "$expected_report" || fail "the start-up report differs"
    [ "$(head -n 1 "$work/session")" = "corvexa-replay 2" ] || fail "no replay header"
    for event in '+right' '-right' '+down' '-down' '+space' '+home' '-home'; do
        grep -q "^[0-9]* $event\$" "$work/session" || fail "the replay lacks $event"
    done
    grep -q '^end [0-9]* satellites=' "$work/session" || fail "the replay has no end line"
    "$headless" --verify "$work/session" >"$work/verdict" || fail "does not verify headless"
    [ "$(cat "$work/verdict")" = "replay matches" ] || fail "headless: $(cat "$work/verdict")"
    start --replay "$work/session"
    wait_for_output "replay matches" 600
    close_and_expect_clean_exit
    ;;
killed)
    # A recording killed mid-session still replays, to its last check.
    headless=$5
    start --record "$work/session"
    xdotool keydown a
    poll 200 grep -q '^check 100 ' "$work/session" || fail "no check line after 100 frames"
    xdotool keyup a
    kill -KILL "$pid"
    wait_for_exit 100 "SIGKILL"
    grep -q '^end ' "$work/session" && fail "a killed session wrote an end line"
    "$headless" --verify "$work/session" >"$work/verdict" || fail "does not verify"
    grep -q '^replay matches (to frame [0-9]*: the recording has no end line)$' \
        "$work/verdict" || fail "$(cat "$work/verdict")"
    # The window gives the same verdict.
    start --replay "$work/session"
    wait_for_output "$(cat "$work/verdict")" 900
    close_and_expect_clean_exit
    ;;
record-full)
    # A recording that cannot be written says so at once and stops; the game plays on.
    start --record /dev/full
    poll 100 grep -q . "$work/stderr" || fail "nothing said of the full disk"
    [ "$(cat "$work/stderr")" = "corvexa: /dev/full: cannot be written: No space left on device; the recording stops here" ] ||
        fail "said: $(cat "$work/stderr")"
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    : >"$work/stderr"
    close_and_expect_clean_exit
    ;;
scripted-replay)
    # A scripted run saved headless plays in the window: thrust, shots, break-ups, same world.
    headless=$5
    keys=$6
    "$headless" --keys "$keys" --frames 200 --final --save-replay "$work/scripted" >"$work/csv" ||
        fail "--save-replay"
    start --replay "$work/scripted"
    wait_for_output "replay matches" 900
    # The replay's keys held nothing at its end, and the keyboard stays ignored.
    xdotool keydown w
    sleep 0.3
    [ "$(count 254 0 0 3 0 0 700 500)" -eq 0 ] || fail "W thrusts during a replay"
    xdotool keyup w
    close_and_expect_clean_exit
    ;;
explore)
    # The explore keys as a player meets them, while the session is recorded.
    headless=$5
    start --explore --record "$work/session"
    white_corner() { count 254 254 254 2 0 400 350 100; }
    trail_shade() { count 70 90 150 3 0 0 700 500; }
    [ "$(trail_shade)" -eq 0 ] || fail "trails before T"
    xdotool key p
    sleep 0.3
    still=$(picture_hash)
    sleep 0.5
    [ "$(picture_hash)" = "$still" ] || fail "the picture moves while paused"
    xdotool key period
    poll 20 sh -c "[ \"\$(\"$xprobe\" hash $title)\" != $still ]" || fail "'.' does not move it"
    stepped=$(picture_hash)
    sleep 0.5
    [ "$(picture_hash)" = "$stepped" ] || fail "one step ran on"
    plain=$(white_corner)
    xdotool key h
    poll 20 sh -c "[ \"\$(\"$xprobe\" count $title 254 254 254 2 0 400 350 100)\" -gt $((plain + 200)) ]" ||
        fail "H shows no figures"
    xdotool key t p
    poll 50 sh -c "[ \"\$(\"$xprobe\" count $title 70 90 150 3 0 0 700 500)\" -gt 20 ]" ||
        fail "T draws no trails"
    # x1 to frame 100, then x8: eight world frames a shown frame.
    started=$(date +%s%N)
    poll 100 grep -q '^check 100 ' "$work/session" || fail "no frame 100 at x1"
    slow=$(($(date +%s%N) - started))
    xdotool key plus plus equal
    started=$(date +%s%N)
    poll 200 grep -q '^check 500 ' "$work/session" || fail "no frame 500 at x8"
    fast=$(($(date +%s%N) - started))
    [ $((fast / 400)) -lt $((slow / 100 / 2)) ] ||
        fail "x8 is not faster: 100 frames in $slow ns at x1, 400 in $fast ns at x8"
    xdotool key minus minus minus r
    poll 50 grep -q '^world [0-9]* [0-9]*$' "$work/session" || fail "R built no new world"
    sleep 0.5
    close_and_expect_clean_exit
    "$headless" --verify "$work/session" >"$work/verdict" || fail "does not verify headless"
    [ "$(cat "$work/verdict")" = "replay matches" ] || fail "headless: $(cat "$work/verdict")"
    ;;
scene-record)
    # A scene played and recorded in the window: the replay carries the scene, verifies
    # headless and plays back in the window to the same world.
    headless=$5
    start --scene "$6" --record "$work/session"
    xdotool key space
    poll 200 grep -q '^check 100 ' "$work/session" || fail "no check line after 100 frames"
    close_and_expect_clean_exit
    grep -qx "scene $(grep -m 1 '^title ' "$6")" "$work/session" || fail "the replay has no scene"
    "$headless" --verify "$work/session" >"$work/verdict" || fail "does not verify headless"
    [ "$(cat "$work/verdict")" = "replay matches" ] || fail "headless: $(cat "$work/verdict")"
    start --replay "$work/session"
    wait_for_output "replay matches" 900
    close_and_expect_clean_exit
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
