#!/bin/sh
# Pins a whole scripted run: 1 000 frames with seed 1 and the cascade script, digested.
#   digest_test.sh C_LIBRARY KEY_SCRIPT COMMAND...
# The fragments draw from the C library's rand, so each C library has its own value; any
# change of compiler, flags or build type must leave it alone. When a change moves it on
# purpose, the commit says why.
set -eu
library=$1
keys=$2
shift 2

case $library in
glibc) expected=dbc59e011d62527f238805c24a226ff7c253c91ebe250441c52facb82f66c494 ;;
msvcrt) expected=a52200e6fc90cd4641552fbc209f412d4ff18633545f8ac44515c7664c256e7b ;;
*)
    echo "FAIL: no digest pinned for the C library '$library'" >&2
    exit 1
    ;;
esac

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" --seed 1 --frames 1000 --keys "$keys" >"$out"
# The rows, whatever line ends the C runtime writes.
actual=$(tr -d '\r' <"$out" | sha256sum | cut -d ' ' -f 1)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: digest $actual, expected $expected; last row: $(tail -n 1 "$out")" >&2
    exit 1
fi
echo "digest $actual matches ($library)"
