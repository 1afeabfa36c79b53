#!/bin/sh
# Builds freeglut for Windows, as a static library, from Debian's source package of the version
# the Linux build uses. apt works on a source list, state and cache of its own under the
# build tree, so the machine's apt configuration and package lists stay as they are.
#
#   tools/windows/freeglut.sh DEPENDENCIES_DIR
#
# Installs into DEPENDENCIES_DIR/prefix; does nothing when that version is already there.
set -eu

deps=$(mkdir -p "$1" && cd "$1" && pwd)
top=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$deps/prefix
package=freeglut3-dev

# The version and the archive the machine itself would install the Linux package from.
policy=$(LC_ALL=C apt-cache policy "$package")
version=$(echo "$policy" | awk '$1 == "Installed:" && $2 != "(none)" { print $2; exit }')
[ -n "$version" ] || version=$(echo "$policy" | awk '$1 == "Candidate:" { print $2; exit }')
[ -n "$version" ] && [ "$version" != "(none)" ] || {
    echo "freeglut: the machine's package lists know no $package" >&2
    exit 1
}
stamp=$prefix/freeglut.version
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ] &&
    [ -f "$prefix/lib/libfreeglut_static.a" ]; then
    echo "freeglut $version for Windows is built already"
    exit 0
fi

# The version table lists, under each version, the archives that carry it:
#   " *** 3.4.0-1 500" then "        500 http://host/debian bookworm/main amd64 Packages"
archive=$(echo "$policy" | awk -v v="$version" '
    $1 == v || ($1 == "***" && $2 == v) { found = 1; next }
    found && $2 ~ /^[a-z]+:\/\// { split($3, sc, "/"); print $2, sc[1], sc[2]; exit }')
[ -n "$archive" ] || {
    echo "freeglut: no archive carries $package $version" >&2
    exit 1
}

apt=$deps/apt
rm -rf "$apt"
mkdir -p "$apt/etc/sources.list.d" "$apt/state/lists/partial" "$apt/cache/archives/partial"
echo "deb-src $archive" >"$apt/etc/sources.list"
private_apt() {
    "$@" -q -o Dir::Etc::SourceList="$apt/etc/sources.list" \
        -o Dir::Etc::SourceParts="$apt/etc/sources.list.d" -o Dir::State="$apt/state" \
        -o Dir::Cache="$apt/cache" -o APT::Sandbox::User="$(id -un)"
}
echo "freeglut: source package $version from $archive"
private_apt apt-get update >"$deps/apt.log"

source=$deps/freeglut-source
rm -rf "$source" "$deps/freeglut-build"
mkdir -p "$source"
(cd "$source" && private_apt apt-get source --download-only "freeglut=$version" >>"$deps/apt.log")
# apt checked the files against the archive's signed index; the maintainer's own signature
# would need the Debian keyring.
dpkg-source --no-check -x "$source"/freeglut_*.dsc "$source/tree" >>"$deps/apt.log"

cmake -S "$source/tree" -B "$deps/freeglut-build" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DFREEGLUT_BUILD_SHARED_LIBS=OFF \
    -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_GLES=OFF \
    >"$deps/freeglut-build.log" 2>&1
cmake --build "$deps/freeglut-build" -j 2 >>"$deps/freeglut-build.log" 2>&1
cmake --install "$deps/freeglut-build" >>"$deps/freeglut-build.log" 2>&1
mkdir -p "$prefix/share/doc/freeglut"
cp "$source/tree/COPYING" "$prefix/share/doc/freeglut/COPYING"
echo "$version" >"$stamp"
echo "freeglut $version for Windows installed in $prefix"
