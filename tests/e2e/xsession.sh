# Shell functions of the window tests: a virtual X server of the test's own, the program's
# window found by its title, and the window closed as a window manager closes it. Sourced by
# window_test.sh and by the Windows tests under Wine. The caller sets work (a scratch folder
# it owns), xprobe and title, and keeps the program's process id in pid.
pid=
server=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null
    # Waiting for the server to be gone keeps the next one from meeting its remains.
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in stderr server; do
        if [ -s "$work/$log" ]; then
            echo "Error output of the $log:" | sed 's/of the stderr/of the program/' >&2
            cat "$work/$log" >&2
        fi
    done
    exit 1
}

# The server picks a display number that is free and says which. Without -noreset it would
# start over whenever its last client leaves, refusing whoever connects in that moment.
start_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/server" &
    server=$!
    tries=0
    until [ -s "$work/display" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "the X server did not start: $(cat "$work/server")"
        sleep 0.1
    done
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    # The number can come before the server takes clients; xprobe says 2 while it cannot connect.
    tries=0
    while "$xprobe" geometry "no such window" 2>/dev/null; [ $? -eq 2 ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || fail "the X server on $DISPLAY takes no clients"
        sleep 0.1
    done
}

# Waits up to TRIES tenths of a second for the window; its geometry lands in $work/geometry.
wait_for_window() { # TRIES
    tries=0
    until "$xprobe" geometry "$title" >"$work/geometry" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt "$1" ] || fail "no window titled $title appeared"
        kill -0 "$pid" 2>/dev/null || fail "the program ended before opening its window"
        sleep 0.1
    done
}

# Asks the window to close and waits up to TRIES tenths of a second for the program to end;
# its exit status lands in status.
close_window() { # TRIES
    "$xprobe" close "$title" || fail "could not send the close request"
    tries=0
    while kill -0 "$pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -lt "$1" ] || fail "the program did not end after the close request"
        sleep 0.1
    done
    wait "$pid"
    status=$?
    pid=
}

count() { # R G B TOLERANCE X Y WIDTH HEIGHT
    "$xprobe" count "$title" "$@"
}
