# shellcheck shell=sh
# Sourced by the end-to-end scripts that check many things and report every failure before
# they end. The caller makes its scratch folder and names it in work first; it goes on exit.
# What this file declares: fail MESSAGE, which reports and counts a failure, and finish [WHAT],
# which ends with status 1 after any failure and says PASS otherwise.
: "${work:?the caller makes its scratch folder first}"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

finish() {
    [ "$failures" -eq 0 ] || exit 1
    echo "PASS${1:+: $1}"
}
