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
    expect_error "The following argument was not expected: --fast" --fast
    expect_error "--frames: -1 is negative" --frames -1
    expect_error "$work/none.keys: cannot be read: No such file or directory" --keys "$work/none.keys"
    expect_error "--keys excludes --accuracy" --keys "$keys" --accuracy
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
    expect_error "$work/bad:1: not a replay: it must begin with 'corvexa-replay 2'" --verify "$work/bad"
    printf 'corvexa-replay 3\nseed 1\n' >"$work/bad"
    expect_error "$work/bad:1: version 3 of the replay format is not known here; this program reads versions 1 to 2" \
        --verify "$work/bad"
    printf 'corvexa-replay 1\nseed 1\nworld 5 7\n' >"$work/bad"
    expect_error "$work/bad:3: frame 'world' is not a whole number" --verify "$work/bad"

    # A session with a new world, as R makes one, saves and verifies with it.
    printf 'corvexa-replay 2\nseed 3\n20 +down\n60 -down\nworld 80 12345\n90 space\n' \
        >"$work/restart.keys"
    "$headless" --keys "$work/restart.keys" --frames 400 --final --save-replay "$work/restart" \
        >"$work/restarted" || fail "--save-replay of a session with a new world"
    grep -qx 'world 80 12345' "$work/restart" || fail "the saved replay lost its new world"
    "$headless" --verify "$work/restart" >"$work/out" || fail "a new world does not verify"
    [ "$(cat "$work/out")" = "replay matches" ] || fail "restart: said '$(cat "$work/out")'"
    grep -v '^world' "$work/restart.keys" >"$work/same.keys"
    "$headless" --keys "$work/same.keys" --frames 400 --final >"$work/unrestarted"
    cmp -s "$work/restarted" "$work/unrestarted" && fail "the new world changed nothing"
    printf 'corvexa-replay 1\nseed 1\n5 +left\ncheck 10 satellites=10\n' >"$work/bad"
    expect_error "$work/bad:4: the check has no parts" --verify "$work/bad"
    "$headless" --verify "$work/run" --frames 150 >"$work/out" || fail "--verify --frames 150"
    [ "$(cat "$work/out")" = "replay matches (to frame 150 of 1000)" ] ||
        fail "--verify --frames 150 said '$(cat "$work/out")'"
    expect_error "$work/run: the replay runs to frame 1000, beyond the limit of 999 frames; --max-frames raises it" \
        --verify "$work/run" --max-frames 999
    ;;
hostile)
    # Files a careless or hostile sender could make: each refused with status 2 and a short,
    # escaped message naming the place, or read as the same replay on every platform.
    "$headless" --keys "$keys" --frames 120 --save-replay "$work/good" >/dev/null || fail "save"
    : >"$work/stdin"
    printf 'corvexa-replay 1\nseed 1\n%5000s\n' x >"$work/long"
    expect_error "$work/long:3: a line longer than the limit of 4096 bytes" --verify "$work/long"
    head -c 5000000 /dev/zero | tr '\0' '\n' >"$work/huge"
    expect_error "$work/huge: longer than the limit of 4194304 bytes" --keys "$work/huge"
    printf 'corvexa-replay 1\nseed 1\ncheck 2147483647 satellites=10\n' >"$work/far"
    expect_error "$work/far:3: the check has no parts" --verify "$work/far"
    printf 'corvexa-replay 1\nseed 1\n2147483647 space\n' >"$work/far"
    expect_error "$work/far: the replay runs to frame 2147483647, beyond the limit of 10000000 frames; --max-frames raises it" \
        --verify "$work/far"
    printf 'corvexa-replay 1\nseed 1\n5 \033[2J\001\n' >"$work/junk"
    expect_error "$work/junk:3: unknown key '\\x1B[2J\\x01'; the keys are left right up down space home a d s w" \
        --verify "$work/junk"
    : >"$work/empty"
    expect_error "$work/empty: not a replay: it is empty" --verify "$work/empty"
    expect_error "$work: cannot be read: it is a folder" --verify "$work"
    # A byte-order mark and Windows line ends read as the same replay.
    { printf '\357\273\277'; sed 's/$/\r/' "$work/good"; } >"$work/bom"
    "$headless" --verify "$work/bom" >"$work/out" || fail "a replay with a BOM and CRLF: $(cat "$work/out")"
    [ "$(cat "$work/out")" = "replay matches" ] || fail "BOM and CRLF: said '$(cat "$work/out")'"
    ;;
full)
    # A write that fails is never reported as success.
    "$headless" --frames 2000 >/dev/full 2>"$work/err"
    [ $? -eq 2 ] || fail "a report into a full disk: status not 2"
    grep -q '^corvexa-headless: standard output: cannot be written: No space left on device$' \
        "$work/err" || fail "a report into a full disk said '$(cat "$work/err")'"
    "$headless" --frames 10 --save-replay /dev/full >/dev/null 2>"$work/err"
    [ $? -eq 2 ] || fail "a replay into a full disk: status not 2"
    grep -q '^corvexa-headless: /dev/full: cannot be written: No space left on device$' \
        "$work/err" || fail "a replay into a full disk said '$(cat "$work/err")'"
    ;;
help)
    "$headless" --help >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] || fail "--help: exit status $status"
    head -n 1 "$work/out" | grep -q '^Usage: corvexa-headless ' || fail "--help printed no usage"
    [ -s "$work/err" ] && fail "--help wrote to standard error"
    ;;
*)
    fail "unknown scenario $scenario"
    ;;
esac

finish
