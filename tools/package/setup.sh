# Sourced by tools/setup: the Debian package, the checkers its tests use, and those tests.
package_packages="dpkg-dev lintian desktop-file-utils appstream man-db groff-base pngcheck"
package_packages="$package_packages libxml2-utils"

# The build the package is made from. The test command has just built build/dev with the
# flags of a release build (and warnings as errors), so it packages that build rather than
# compile the programs a second time; on its own the package has a build of its own.
package_tree() {
    if [ "${mode:-}" = test ]; then
        echo build/dev
    else
        echo build/package/tree
    fi
}

package_build() {
    tree=$(package_tree)
    if [ "$tree" != build/dev ]; then
        cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
        cmake --build "$tree" -j "$jobs"
    fi
    rm -f build/package/corvexa_*.deb
    cpack --config "$tree/CPackConfig.cmake" -B build/package
    echo "Built $(ls build/package/corvexa_*.deb)"
}

package_test() {
    tests/package/package_test.sh "$(package_tree)" build/package/corvexa_*_amd64.deb
}
