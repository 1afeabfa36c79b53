#!/bin/sh
# Without an X display the program prints its report, then the toolkit's own one-line error,
# and ends without a crash.
#   no_display_test.sh CORVEXA EXPECTED_REPORT
corvexa=$1
expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
env -u DISPLAY "$corvexa" >"$work/out" 2>"$work/err"
status=$?
fail() {
    echo "FAIL: $*" >&2
    cat "$work/err" >&2
    exit 1
}
[ "$status" -ne 0 ] && [ "$status" -lt 128 ] || fail "exit status $status"
cmp -s "$work/out" "$expected" || fail "the report differs"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "more than the toolkit's error"
grep -q "^freeglut (.*): failed to open display" "$work/err" || fail "not the toolkit's error"
echo PASS
