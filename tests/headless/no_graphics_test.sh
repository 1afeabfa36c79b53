#!/bin/sh
# The headless runner must start where no graphics stack is installed: it may load no GL,
# GLU, GLUT or X11 library.
#   no_graphics_test.sh CORVEXA_HEADLESS
set -eu
libraries=$(ldd "$1")
if echo "$libraries" | grep -E 'lib(GL|GLU|GLX|OpenGL|glut|X11|xcb)[.-]'; then
    echo "FAIL: $1 loads a graphics library" >&2
    exit 1
fi
echo "$libraries"
