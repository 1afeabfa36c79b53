# shellcheck shell=sh
# Shell functions of the window tests: a virtual X server of the test's own, the program's
# window found by its title, and the window closed as a window manager closes it. Sourced by
# window_test.sh and by the Windows tests under Wine.
#
# What this file declares: session, start_server, wait_for_window, wait_for_exit,
# close_window, count, picture_hash, poll and fail, each taking what it needs as arguments; the caller calls
# session first. Its state is its own, in the session_ variables below.
session_work=
session_xprobe=
session_title=
session_server=
# The program under test, ended on exit if the test ends first.
session_program=

# session WORK XPROBE TITLE: WORK is a scratch folder the caller made, removed on exit, whose
# file stderr, the program's error output, fail shows; XPROBE is the X client of these tests;
# TITLE is that of the program's window.
session() {
    session_work=$1
    session_xprobe=$2
    session_title=$3
    trap cleanup EXIT
}

cleanup() {
    [ -z "$session_program" ] || kill "$session_program" 2>/dev/null
    # Waiting for the server to be gone keeps the next one from meeting its remains.
    if [ -n "$session_server" ]; then
        kill "$session_server" 2>/dev/null
        wait "$session_server" 2>/dev/null
    fi
    rm -rf "$session_work"
}

fail() {
    echo "FAIL: $*" >&2
    for log in stderr server; do
        if [ -s "$session_work/$log" ]; then
            echo "Error output of the $log:" | sed 's/of the stderr/of the program/' >&2
            cat "$session_work/$log" >&2
        fi
    done
    exit 1
}

# The server picks a display number that is free and says which. Without -noreset it would
# start over whenever its last client leaves, refusing whoever connects in that moment.
start_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$session_work/display" \
        2>"$session_work/server" &
    session_server=$!
    tries=0
    until [ -s "$session_work/display" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "the X server did not start: $(cat "$session_work/server")"
        sleep 0.1
    done
    DISPLAY=:$(cat "$session_work/display")
    export DISPLAY
    # The number can come before the server takes clients; xprobe says 2 while it cannot connect.
    tries=0
    while "$session_xprobe" geometry "no such window" 2>/dev/null; [ $? -eq 2 ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "the X server on $DISPLAY takes no clients"
        sleep 0.1
    done
}

# Waits up to TRIES tenths of a second for the window of the program started as PID; its
# geometry lands in WORK/geometry.
wait_for_window() { # PID TRIES
    session_program=$1
    tries=0
    until "$session_xprobe" geometry "$session_title" >"$session_work/geometry" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt "$2" ] || fail "no window titled $session_title appeared"
        kill -0 "$session_program" 2>/dev/null ||
            fail "the program ended before opening its window"
        sleep 0.1
    done
}

# Waits up to TRIES tenths of a second for the program to end after CAUSE, and returns its
# exit status.
wait_for_exit() { # TRIES CAUSE
    tries=0
    while kill -0 "$session_program" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt "$1" ] || fail "the program did not end after $2"
        sleep 0.1
    done
    wait "$session_program"
    ended=$?
    session_program=
    return "$ended"
}

# Asks the window to close and waits up to TRIES tenths of a second for the program to end;
# returns its exit status.
close_window() { # TRIES
    "$session_xprobe" close "$session_title" || fail "could not send the close request"
    wait_for_exit "$1" "the close request"
}

count() { # R G B TOLERANCE X Y WIDTH HEIGHT
    "$session_xprobe" count "$session_title" "$@"
}

picture_hash() {
    "$session_xprobe" hash "$session_title"
}

# Waits up to TRIES tenths of a second for COMMAND to succeed.
poll() { # TRIES COMMAND...
    tries=$1
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}
