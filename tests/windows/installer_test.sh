#!/bin/sh
# The installer as a Windows user meets it, in a Wine prefix of its own made afresh: installed
# over an older version by taking each page's default button, its finish page starting the
# program's window with the Earth icon, its files, Start-menu shortcut and Apps & features
# entry, the installed programs' report and headless run, then a silent uninstall that leaves
# nothing of Corvexa behind.
#
#   installer_test.sh SETUP CPACK_CONFIG PREFIX XPROBE ICON EXPECTED_REPORT VERSION PUBLISHER
#
# CPACK_CONFIG is the build's CPackConfig.cmake, from which the test makes the older installer;
# PREFIX the folder of the Wine prefix, removed first and again after a pass; XPROBE the X
# client of the window tests; ICON the drawn .ico; EXPECTED_REPORT has the report with Linux
# line ends.
set -u
setup=$1
cpack_config=$2
prefix=$3
xprobe=$4
icon=$5
expected_report=$6
version=$7
publisher=$8
title=Corvexa
LC_ALL=C
export LC_ALL
work=$(mktemp -d)
. "$(dirname "$0")/../e2e/xsession.sh"
session "$work" "$xprobe" "$title"

WINEPREFIX=$prefix
WINEDEBUG=-all
# Neither .NET nor the HTML engine, which Wine would offer to download, nor menu entries on this
# machine's desktop for the shortcut: the Start menu stays in the prefix.
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
# Wine goes before the X server, whose end its desktop would report.
trap 'wineserver -k 2>/dev/null; cleanup' EXIT

folder="$prefix/drive_c/Program Files/Corvexa"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvexa.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvexa'
installed='C:\Program Files\Corvexa'

# Runs a Windows program and waits for every program it started, and for the registry to be
# written: the installer and the uninstaller go on in processes of their own.
run() {
    wine "$@" 2>>"$work/stderr"
    status=$?
    wineserver -w
    return "$status"
}

# The values of the Apps & features entry as NAME=VALUE lines.
entry() {
    wine reg query "$key" 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([A-Za-z]*\)    REG_[A-Z_]*    \(.*\)$/\1=\2/p'
}

# The 32-pixel image of an ARGB icon list (_NET_WM_ICON: width, height, pixels, and again), a
# pixel a line.
icon_32() {
    tr -d ' ' | tr ',' '\n' | awk '{ v[NR] = $0 }
        END { for (i = 1; i + 1 <= NR; i += 2 + v[i] * v[i + 1])
                  if (v[i] == 32 && v[i + 1] == 32)
                      for (j = i + 2; j < i + 2 + 1024; ++j) print v[j] }'
}
window_has_the_icon() {
    xprop -name "$title" -notype -f _NET_WM_ICON 32c _NET_WM_ICON 2>/dev/null |
        sed -n 's/^_NET_WM_ICON = //p' | icon_32 >"$work/window-icon"
    cmp -s "$work/window-icon" "$work/drawn-icon"
}
icotool -x -w 32 -h 32 -o "$work/drawn-32.png" "$icon"
convert "$work/drawn-32.png" rgba:- | od -An -v -tu1 -w4 |
    awk '{ printf "%.0f\n", $4 * 16777216 + $1 * 65536 + $2 * 256 + $3 }' >"$work/drawn-icon"

# Presses Return, which takes the default button of the setup's page, until the program's window
# shows. The setup's window gets the focus once: given it again, it hands it to the page's first
# control, which on the licence page is the text.
setup_window=
take_the_default_button() {
    "$xprobe" geometry "$title" >/dev/null 2>&1 && return 0
    if [ -z "$setup_window" ]; then
        setup_window=$(xdotool search --name "^$title Setup\$" 2>/dev/null | head -n 1)
        [ -z "$setup_window" ] || xdotool windowfocus "$setup_window"
    else
        xdotool key Return
    fi
    return 1
}
window_is_gone() { ! "$xprobe" geometry "$title" >/dev/null 2>&1; }

# An older version: this installer made again from the same configuration, numbered 0.9.0 and
# with one more file, which installing this version must take away.
mkdir -p "$work/older/extra"
echo "0.9.0" >"$work/older/extra/older.txt"
cpack -G NSIS --config "$cpack_config" -B "$work/older" -D CPACK_PACKAGE_VERSION=0.9.0 \
    -D "CPACK_INSTALLED_DIRECTORIES=$work/older/extra;." >"$work/cpack" 2>&1 ||
    fail "the older installer was not made: $(cat "$work/cpack")"

# The prefix is made with the display, so that its desktop opens windows.
start_server
rm -rf "$prefix"
run wineboot --init || fail "no Wine prefix"

run "$work/older/corvexa-0.9.0-windows-x64-setup.exe" /S || fail "the older version did not install"
[ -f "$folder/older.txt" ] && entry | grep -qx "DisplayVersion=0.9.0" ||
    fail "the older version is not installed: $(entry)"

# Next, I Agree, Install, then Finish with "Start Corvexa" ticked.
wine "$setup" 2>>"$work/stderr" &
installer=$!
poll 1200 take_the_default_button || fail "the setup's finish page did not start Corvexa"
wait "$installer" || fail "the installer failed"
# Wine sets the icon just after the window shows.
poll 100 window_has_the_icon ||
    fail "the window's 32-pixel icon is not the drawn one: $(head -c 300 "$work/window-icon")"
"$xprobe" close "$title" || fail "could not send the close request"
poll 300 window_is_gone || fail "the program did not end after the close request"
wineserver -w

[ "$(ls "$folder" | tr '\n' ' ')" = "LICENSE.txt README.txt Uninstall.exe cascade.keys corvexa-headless.exe corvexa.exe freeglut-COPYING.txt scenes " ] ||
    fail "Program Files\\Corvexa holds: $(ls "$folder")"
[ -f "$shortcut" ] || fail "no Corvexa.lnk in the Start menu"
strings -a "$shortcut" | grep -qxF "$installed\\corvexa.exe" || fail "the shortcut does not start corvexa.exe"
# In UTF-16 the shortcut names the program once more, as the file of its icon.
strings -a -el "$shortcut" | grep -qF "$installed\\corvexa.exe" ||
    fail "the shortcut has not the program's icon"
# Its console, which shows the report, starts minimised: SW_SHOWMINNOACTIVE, the show command at
# byte 60 of a link.
[ "$(od -An -tu4 -j 60 -N 4 "$shortcut" | tr -d ' ')" = 7 ] ||
    fail "the shortcut does not start the program minimised"
entry | grep -v '^EstimatedSize=' >"$work/entry"
cat >"$work/entry.expected" <<EOF
DisplayIcon=$installed\\corvexa.exe,0
DisplayName=Corvexa
DisplayVersion=$version
InstallLocation=$installed
NoModify=0x1
NoRepair=0x1
Publisher=$publisher
QuietUninstallString="$installed\\Uninstall.exe" /S
UninstallString="$installed\\Uninstall.exe"
EOF
cmp -s "$work/entry" "$work/entry.expected" ||
    fail "the Apps & features entry differs: $(diff "$work/entry.expected" "$work/entry")"
# In kilobytes, rounded a file at a time.
estimated=$(($(entry | sed -n 's/^EstimatedSize=//p')))
files=$(($(find "$folder" -type f -exec cat {} + | wc -c) / 1024))
[ $((estimated - files)) -le 7 ] && [ $((files - estimated)) -le 7 ] ||
    fail "EstimatedSize is $estimated KB for $files KB of files"

# The installed program: the report with the C runtime's CRLF line ends, then the window.
sed 's/$/\r/' "$expected_report" >"$work/report"
wine "$installed\\corvexa.exe" --test >"$work/stdout" 2>>"$work/stderr" ||
    fail "the installed corvexa.exe --test failed"
cmp -s "$work/stdout" "$work/report" || fail "the report differs: $(od -c "$work/stdout" | head)"
# The version it prints is the one Apps & features shows.
printed=$(wine "$installed\\corvexa.exe" --version 2>>"$work/stderr" | tr -d '\r')
[ "$printed" = "corvexa $version" ] || fail "the installed corvexa.exe --version says: $printed"
# The headless runner with the installed key script, as the README.txt shows it.
wine "$installed\\corvexa-headless.exe" --keys "$installed\\cascade.keys" --frames 1000 --final \
    2>>"$work/stderr" | tr -d '\r' >"$work/final"
grep -q "^1000," "$work/final" || fail "the installed headless runner gave: $(cat "$work/final")"

eval "set -- $(entry | sed -n 's/^QuietUninstallString=//p')"
run "$@" || fail "the uninstaller failed"
left=$(find "$prefix/drive_c" -iname '*corvexa*')
[ -z "$left" ] || fail "left after uninstalling: $left"
! wine reg query "$key" >/dev/null 2>&1 || fail "the Apps & features entry stays"
! grep -il corvexa "$prefix"/*.reg || fail "the registry still names Corvexa"

rm -rf "$prefix"
echo "PASS: $(basename "$setup") over 0.9.0, then uninstalled"
