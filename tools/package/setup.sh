# Sourced by tools/setup: the Debian package, the checkers its tests use, and those tests.
package_packages="dpkg-dev lintian desktop-file-utils appstream man-db groff-base pngcheck"
package_packages="$package_packages libxml2-utils"

# package_build [BUILD_DIR]: packages that build, or with none a build of its own. The test
# command passes build/dev, which it has just built with the flags of a release build (and
# warnings as errors), rather than compile the programs a second time.
package_build() {
    package_tree=${1:-build/package/tree}
    if [ $# -eq 0 ]; then
        cmake -S . -B "$package_tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
        cmake --build "$package_tree" -j "$jobs"
    fi
    rm -f build/package/corvexa_*.deb
    cpack --config "$package_tree/CPackConfig.cmake" -B build/package
    echo "Built $(ls build/package/corvexa_*.deb)"
}

# Checks the package package_build made last.
package_test() {
    tests/package/package_test.sh "$package_tree" build/package/corvexa_*_amd64.deb
}
