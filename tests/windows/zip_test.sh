#!/bin/sh
# The release zip as a Windows user gets it: its files, and the programs run from the folder
# it unpacks to, under Wine.
#   zip_test.sh ZIP WINE EXPECTED_REPORT SCENES_DIR
set -eu
# The programs run from the unpacked folder, so every path given is made absolute first.
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
zip=$(absolute "$1")
wine=$(absolute "$2")
expected_report=$(absolute "$3")
scenes=$(absolute "$4")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

folder=$(basename "$zip" .zip)
(cd "$work" && cmake -E tar xf "$zip")
[ "$(cd "$work" && find . -type f | sort | tr '\n' ' ')" = \
    "./$folder/LICENSE.txt ./$folder/README.txt ./$folder/cascade.keys ./$folder/corvexa-headless.exe ./$folder/corvexa.exe ./$folder/freeglut-COPYING.txt $(cd "$scenes/.." && ls scenes/*.scene | sed "s|^|./$folder/|" | tr '\n' ' ')" ] ||
    fail "the zip holds: $(cd "$work" && find . -type f | sort)"
grep -q "Copyright" "$work/$folder/freeglut-COPYING.txt" || fail "no freeglut licence"
grep -q "corvexa.exe --test" "$work/$folder/README.txt" || fail "the text does not say how to run it"
[ "$(grep -c "$(printf '\r')\$" "$work/$folder/README.txt")" -eq "$(wc -l <"$work/$folder/README.txt")" ] ||
    fail "README.txt has lines without CRLF"

cd "$work/$folder"
# In the prefix whose desktop has a display, with an X server (tools/windows/wine-run).
# Wine's desktop says on its error output when that server goes; the report is all we want.
xvfb-run -a "$wine" --window corvexa.exe --test >"$work/report" 2>/dev/null ||
    fail "corvexa.exe --test failed"
tr -d '\r' <"$work/report" | cmp -s - "$expected_report" || fail "the unpacked program's report differs"
"$wine" corvexa-headless.exe --keys cascade.keys --frames 1000 --final | tr -d '\r' >"$work/final"
grep -q "^1000," "$work/final" || fail "the unpacked headless program gave: $(cat "$work/final")"
"$wine" corvexa-headless.exe --scene scenes\\gps-ring.scene --frames 10 --final | tr -d '\r' >"$work/final"
grep -q "^10,480,24," "$work/final" || fail "the unpacked scene gave: $(cat "$work/final")"
echo "PASS: $(basename "$zip")"
