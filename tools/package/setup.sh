# shellcheck shell=sh
# Sourced by tools/setup: the Debian package and the checkers its tests use. What this file
# declares: package_packages and package_build, which takes what it needs as arguments.
package_packages="dpkg-dev lintian desktop-file-utils appstream man-db groff-base pngcheck"
package_packages="$package_packages libxml2-utils"

# package_build JOBS: a release build of its own in build/package/tree, packaged.
package_build() {
    cmake -S . -B build/package/tree -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    cmake --build build/package/tree -j "$1"
    rm -f build/package/corvexa_*.deb
    cpack --config build/package/tree/CPackConfig.cmake -B build/package >/dev/null
    echo "Built $(ls build/package/corvexa_*.deb)"
}
