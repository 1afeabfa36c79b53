#!/bin/sh
# The Windows programs need nothing but the DLLs Windows ships, the headless one no graphics
# at all, and the desktop graphics backend, the only code that calls freeglut, reaches it
# through its variants that take the C runtime's exit.
#   imports_test.sh OBJDUMP NM CORVEXA CORVEXA_HEADLESS GRAPHICS_OBJECT
# GRAPHICS_OBJECT is the object file of graphics/systemGraphics.cpp.
set -eu
objdump=$1
nm=$2
corvexa=$3
headless=$4
graphics_object=$5

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

dlls() {
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort
}

windows_dlls="advapi32.dll gdi32.dll glu32.dll kernel32.dll msvcrt.dll opengl32.dll user32.dll
winmm.dll"
for program in "$corvexa" "$headless"; do
    for dll in $(dlls "$program"); do
        echo "$windows_dlls" | grep -qw "$dll" || fail "$program needs $dll"
    done
done
[ "$(dlls "$corvexa" | grep -c -e opengl32 -e glu32)" -eq 2 ] || fail "corvexa draws without GL"
[ "$(dlls "$headless" | grep -c -e opengl32 -e glu32 -e gdi32 -e user32)" -eq 0 ] ||
    fail "the headless program loads graphics: $(dlls "$headless")"

undefined=$("$nm" -u "$graphics_object")
for name in __glutInitWithExit __glutCreateWindowWithExit; do
    echo "$undefined" | grep -qx "[[:space:]]*U $name" ||
        fail "the graphics backend does not call $name"
done
for name in glutInit glutCreateWindow; do
    ! echo "$undefined" | grep -qx "[[:space:]]*U $name" ||
        fail "the graphics backend calls $name"
done
echo "PASS: $(dlls "$corvexa" | tr '\n' ' ')"
