#!/bin/sh
# The window program's options that open no window: --help and --version alone, with status 0
# and no self-check; a replay that cannot be written or read, or a bad scene, is refused after
# the report, with a message naming it and status 2.
#   options_test.sh CORVEXA EXPECTED_REPORT
set -u
corvexa=$1
expected=$2
work=$(mktemp -d)
. "$(dirname "$0")/../support/checks.sh"

# expect STATUS FIRST_LINE_OF_ERRORS ARGUMENTS...
expect() {
    want=$1
    message=$2
    shift 2
    "$corvexa" "$@" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq "$want" ] || fail "$*: exit status $status, expected $want"
    [ "$(head -n 1 "$work/err")" = "$message" ] ||
        fail "$*: said '$(head -n 1 "$work/err")', expected '$message'"
}

expect 0 "" --help
head -n 1 "$work/out" | grep -q '^Usage: corvexa \[OPTIONS\]' ||
    fail "--help: $(head -n 1 "$work/out")"
grep -q -- '--record FILE' "$work/out" || fail "--help does not list --record"
expect 0 "" --version
[ "$(cat "$work/out")" = "corvexa $(sed -n 's/^project(Corvexa VERSION \([0-9.]*\).*/\1/p' \
    "$(dirname "$0")/../../CMakeLists.txt")" ] || fail "--version: $(cat "$work/out")"

expect 2 "corvexa: $work/none/session: cannot be written: No such file or directory" \
    --record "$work/none/session"
cmp -s "$work/out" "$expected" || fail "the report does not come first"
expect 2 "corvexa: $work/none.replay: cannot be read: No such file or directory" \
    --replay "$work/none.replay"
expect 2 "corvexa: --record: 1 required FILE missing" --record
# --test counts only first: after it nothing is read, elsewhere the toolkit gets it.
expect 0 "" --test --record
cmp -s "$work/out" "$expected" || fail "--test --record: not the report alone"
printf 'corvexa-replay 1\nseed x\n' >"$work/bad"
expect 2 "corvexa: $work/bad:2: seed 'x' is not a whole number" --replay "$work/bad"
expect 2 "corvexa: $work/none.scene: cannot be read: No such file or directory" \
    --scene "$work/none.scene" --record "$work/session"
cmp -s "$work/out" "$expected" || fail "the report does not come first"
printf 'corvexa-scene 1\ntitle Bad\nship none\nship none\n' >"$work/bad"
expect 2 "corvexa: $work/bad:4: the ship is given twice" --scene "$work/bad"
expect 2 "corvexa: --replay excludes --scene" --replay "$work/session" --scene "$work/bad"

# The report lost on a full disk is not a success.
"$corvexa" --test >/dev/full 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || fail "--test into a full disk: exit status $status"
[ "$(cat "$work/err")" = "corvexa: standard output: cannot be written: No space left on device" ] ||
    fail "--test into a full disk said: $(cat "$work/err")"

finish
