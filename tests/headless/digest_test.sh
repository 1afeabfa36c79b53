#!/bin/sh
# Pins a whole scripted run: 1 000 frames with seed 1 and the cascade script, digested.
#   digest_test.sh KEY_SCRIPT COMMAND...
# The program draws its random numbers from a generator of its own, so every platform, compiler
# and build type must give this one value. When a change moves it on purpose, the commit says
# why.
set -eu
keys=$1
shift
expected=74c45a20a97875456c0f16ca54a2341e05c9ef6660e4100035753a2d647f82ab

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" --seed 1 --frames 1000 --keys "$keys" >"$out"
# The rows, whatever line ends the C runtime writes.
actual=$(tr -d '\r' <"$out" | sha256sum | cut -d ' ' -f 1)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: digest $actual, expected $expected; last row: $(tail -n 1 "$out")" >&2
    exit 1
fi
echo "digest $actual matches"
