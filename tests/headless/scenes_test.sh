#!/bin/sh
# The shipped scenes as a user runs them: each runs; the world as built's scene gives its report;
# the crossing orbits meet at the frame their file states; one collision cascades through the
# crowded shell; a scene's run saved as a replay verifies, and plays alone; bad scenes are refused.
#   scenes_test.sh CORVEXA_HEADLESS SCENES_DIR KEY_SCRIPT
set -u
headless=$1
scenes=$2
keys=$3
work=$(mktemp -d)
. "$(dirname "$0")/../support/checks.sh"

# first_break_up CSV: the first frame with a break-up.
first_break_up() {
    awk -F, 'NR > 1 && $9 > 0 { print $1; exit }' "$1"
}

for scene in "$scenes"/*.scene; do
    "$headless" --scene "$scene" --frames 10 --final >"$work/out" 2>"$work/err" ||
        fail "$(basename "$scene"): $(cat "$work/err")"
done

"$headless" --keys "$keys" --frames 1000 >"$work/built"
"$headless" --scene "$scenes/default.scene" --keys "$keys" --frames 1000 >"$work/default"
cmp -s "$work/built" "$work/default" || fail "default.scene gives another report than the built world"

frame=$(sed -n 's/^title .*meet at frame \([0-9]*\)$/\1/p' "$scenes/crossing.scene")
"$headless" --scene "$scenes/crossing.scene" --frames 300 >"$work/crossing"
[ "$(first_break_up "$work/crossing")" = "$frame" ] ||
    fail "the crossing orbits meet at frame $(first_break_up "$work/crossing"), not $frame"
awk -F, -v frame="$frame" '$1 == frame && $3 == 0 { ok = 1 } END { exit !ok }' "$work/crossing" ||
    fail "both satellites are not broken at frame $frame"

frame=$(sed -n 's/.*first collision is at frame \([0-9]*\),.*/\1/p' "$scenes/crowded-shell.scene")
"$headless" --scene "$scenes/crowded-shell.scene" --frames 150 >"$work/shell"
[ "$(sed -n 2p "$work/shell" | cut -d, -f3,4)" = "131,870" ] || fail "the shell is not 1001 objects"
[ "$(first_break_up "$work/shell")" = "$frame" ] ||
    fail "the shell's first collision is at frame $(first_break_up "$work/shell"), not $frame"
tail -n 1 "$work/shell" | awk -F, '$3 + $4 < 50 { ok = 1 } END { exit !ok }' ||
    fail "no cascade by frame 150: $(tail -n 1 "$work/shell")"

# A replay of a scene carries it: it verifies, and as keys it brings the scene along.
"$headless" --scene "$scenes/gps-ring.scene" --keys "$keys" --frames 300 --final \
    --save-replay "$work/ring.replay" >"$work/ring" || fail "--save-replay with --scene"
grep -q '^scene gps orbit perigee 20182 count 24$' "$work/ring.replay" || fail "no scene in the replay"
[ "$("$headless" --verify "$work/ring.replay")" = "replay matches" ] || fail "the replay differs"
"$headless" --keys "$work/ring.replay" --frames 300 --final >"$work/replayed"
cmp -s "$work/ring" "$work/replayed" || fail "the replay as keys does not bring its scene"

printf 'corvexa-scene 1\ntitle Bad\ngps orbit perigee 500 apogee 100\n' >"$work/bad.scene"
"$headless" --scene "$work/bad.scene" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "a bad scene does not end with status 2"
[ -s "$work/out" ] && fail "a bad scene wrote a report"
[ "$(head -n 1 "$work/err")" = "corvexa-headless: $work/bad.scene:3: apogee 100 is below the perigee 500" ] ||
    fail "said '$(head -n 1 "$work/err")'"
"$headless" --verify "$work/ring.replay" --scene "$work/bad.scene" 2>"$work/err"
[ "$(head -n 1 "$work/err")" = "corvexa-headless: --scene excludes --verify" ] ||
    fail "said '$(head -n 1 "$work/err")'"

finish
