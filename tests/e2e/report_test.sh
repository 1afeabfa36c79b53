#!/bin/sh
# Runs the program with the given arguments, expecting the start-up report and status 0.
#   report_test.sh CORVEXA EXPECTED_REPORT ARGUMENTS...
corvexa=$1
expected=$2
shift 2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$corvexa" "$@" >"$out"
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
cmp "$out" "$expected" || { echo "FAIL: the report differs:" >&2; cat "$out" >&2; exit 1; }
echo PASS
