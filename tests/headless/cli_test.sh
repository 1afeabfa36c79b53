#!/bin/sh
# Runs corvexa-headless as a user would and checks its output and exit status.
#   cli_test.sh SCENARIO CORVEXA_HEADLESS KEY_SCRIPT
set -u
scenario=$1
headless=$2
keys=$3

work=$(mktemp -d)
. "$(dirname "$0")/../support/checks.sh"

# expect_error MESSAGE ARGUMENTS...: status 2, nothing on standard output, MESSAGE on the
# first line of standard error.
expect_error() {
    message=$1
    shift
    "$headless" "$@" <"$work/stdin" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "$*: exit status $status, expected 2"
    [ -s "$work/out" ] && fail "$*: wrote a report"
    [ "$(head -n 1 "$work/err")" = "corvexa-headless: $message" ] ||
        fail "$*: said '$(head -n 1 "$work/err")', expected '$message'"
}

case $scenario in
repeat)
    "$headless" --keys "$keys" --frames 1000 --seed 7 >"$work/a" || fail "first run"
    "$headless" --keys "$keys" --frames 1000 --seed 7 >"$work/b" || fail "second run"
    "$headless" --keys "$keys" --frames 1000 --seed 8 >"$work/c" || fail "other seed"
    cmp -s "$work/a" "$work/b" || fail "two runs with one seed differ"
    cmp -s "$work/a" "$work/c" && fail "seeds 7 and 8 gave the same cascade"
    [ "$(wc -l <"$work/a")" -eq 1002 ] || fail "expected a header and 1001 rows"
    # The script breaks satellites up, so there is a cascade to compare.
    tail -n 1 "$work/a" | awk -F, '$3 < 10 && $9 > 0 { ok = 1 } END { exit !ok }' ||
        fail "no break-up by frame 1000: $(tail -n 1 "$work/a")"
    ;;
stdin)
    "$headless" --keys "$keys" --frames 600 --every 50 >"$work/file" || fail "run from the file"
    "$headless" --keys - --frames 600 --every 50 <"$keys" >"$work/stdin" || fail "run from stdin"
    cmp -s "$work/file" "$work/stdin" || fail "standard input and the file give other reports"
    ;;
errors)
    : >"$work/stdin"
    expect_error "unknown option '--fast'" --fast
    expect_error "--frames -1 is negative" --frames -1
    expect_error "--seed 99999999999999999999 is too large (at most 4294967295)" \
        --seed 99999999999999999999
    expect_error "$work/none.keys: cannot be opened" --keys "$work/none.keys"
    expect_error "--accuracy and --keys do not go together" --keys "$keys" --accuracy
    expect_error "--accuracy-orbit and --final do not go together" --accuracy-orbit --final
    expect_error "--accuracy and --accuracy-orbit do not go together" --accuracy-orbit --accuracy
    printf '10 space\n# aim\n20 +left jump\n' >"$work/bad.keys"
    expect_error "$work/bad.keys:3: unknown key 'jump'; the keys are left right up down space home a d s w" \
        --keys "$work/bad.keys"
    printf '10 space\n5 space\n' >"$work/stdin"
    expect_error "standard input:2: frame 5 comes after frame 10 on line 1; frames must not go back" \
        --keys -
    ;;
replay)
    # A scripted run saved as a replay verifies, plays as its own key script with its own seed,
    # and any change to a key or a figure is caught; a file that is no replay is refused.
    "$headless" --keys "$keys" --frames 1000 --seed 3 --final --save-replay "$work/run" \
        >"$work/saved" || fail "--save-replay"
    [ "$(sed -n 2p "$work/run")" = "seed 3" ] || fail "the replay does not keep its seed"
    "$headless" --verify "$work/run" >"$work/out" || fail "a saved run does not verify"
    [ "$(cat "$work/out")" = "replay matches" ] || fail "--verify said '$(cat "$work/out")'"
    "$headless" --keys "$work/run" --frames 1000 --final >"$work/replayed" || fail "--keys REPLAY"
    cmp -s "$work/saved" "$work/replayed" || fail "the replay as keys gives another world"

    sed '0,/+down/s/+down/+left/' "$work/run" >"$work/event"
    "$headless" --verify "$work/event" >"$work/out"
    [ $? -eq 1 ] || fail "a changed key verifies"
    grep -q '^replay differs at frame [0-9]*: ' "$work/out" || fail "said '$(cat "$work/out")'"
    sed 's/^end \(.*\) fragments=\([0-9]*\)/end \1 fragments=9\2/' "$work/run" >"$work/figure"
    "$headless" --verify "$work/figure" >"$work/out"
    [ $? -eq 1 ] || fail "a changed figure verifies"
    grep -q '^replay differs at frame 1000: fragments 9[0-9]* recorded, [0-9]* replayed$' \
        "$work/out" || fail "said '$(cat "$work/out")'"
    # Cut after its third check, it plays to that check.
    awk '/^check/ { n++ } { print } n == 3 { exit }' "$work/run" >"$work/cut"
    "$headless" --verify "$work/cut" >"$work/out" || fail "a cut recording does not verify"
    grep -q '^replay matches (to frame 300: ' "$work/out" || fail "said '$(cat "$work/out")'"

    : >"$work/stdin"
    printf 'corvexa-replay\n' >"$work/bad"
    expect_error "$work/bad:1: not a replay: it must begin with 'corvexa-replay 1'" --verify "$work/bad"
    printf 'corvexa-replay 2\nseed 1\n' >"$work/bad"
    expect_error "$work/bad:1: version 2 of the replay format is not known here; this program reads version 1" \
        --verify "$work/bad"
    printf 'corvexa-replay 1\nseed 1\n5 +left\ncheck 10 satellites=10\n' >"$work/bad"
    expect_error "$work/bad:4: the check has no parts" --verify "$work/bad"
    expect_error "--verify and --frames do not go together" --verify "$work/run" --frames 5
    ;;
help)
    "$headless" --help >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] || fail "--help: exit status $status"
    head -n 1 "$work/out" | grep -q '^usage: corvexa-headless ' || fail "--help printed no usage"
    [ -s "$work/err" ] && fail "--help wrote to standard error"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac

finish
