#!/bin/sh
# The headless runner where no graphics stack is installed: the project configures with GL and
# GLUT hidden from CMake, says that the window program is not built, builds corvexa-headless
# with clang, and no object of it read a GL, GLU or GLUT header (the compiler's dependency
# files list every header each object read). The runner then gives the pinned digest.
#   no_graphics_build_test.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

CXX=clang++ cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVEXA_WERROR=ON -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_GLUT=ON >"$build.configure.log" 2>&1 ||
    fail "configure: $(tail -n 20 "$build.configure.log")"
grep -q "the window program corvexa is not built" "$build.configure.log" ||
    fail "configuring did not say that the window program is not built"

cmake --build "$build" --target corvexa-headless -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
[ ! -e "$build/main/corvexa" ] || fail "the window program was built"

depfiles=$(find "$build" -name '*.o.d')
[ -n "$depfiles" ] || fail "no dependency files in $build"
# shellcheck disable=SC2086 # one path a word
if grep -l -E '/(GL|GLES2)/[a-z]*\.h' $depfiles; then
    fail "the objects above read a GL, GLU or GLUT header"
fi
echo "$(echo "$depfiles" | wc -l) objects, none reads a GL, GLU or GLUT header"

"$here/digest_test.sh" "$source_dir/headless/cascade.keys" "$build/corvexa-headless"
