#!/bin/sh
# Builds GoogleTest for Windows from the sources of Debian's googletest package.
#
#   tools/windows/googletest.sh DEPENDENCIES_DIR
#
# Installs into DEPENDENCIES_DIR/prefix; does nothing when that version is already there.
set -eu

deps=$(mkdir -p "$1" && cd "$1" && pwd)
top=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$deps/prefix
version=$(dpkg-query -W -f='${Version}' googletest)
stamp=$prefix/googletest.version
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
    echo "GoogleTest $version for Windows is built already"
    exit 0
fi

rm -rf "$deps/googletest-build"
cmake -S /usr/src/googletest -B "$deps/googletest-build" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF -DBUILD_SHARED_LIBS=OFF \
    >"$deps/googletest-build.log" 2>&1
cmake --build "$deps/googletest-build" -j 2 >>"$deps/googletest-build.log" 2>&1
cmake --install "$deps/googletest-build" >>"$deps/googletest-build.log" 2>&1
echo "$version" >"$stamp"
echo "GoogleTest $version for Windows installed in $prefix"
