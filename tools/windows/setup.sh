# Sourced by tools/setup: Windows, cross-built with MinGW-w64 and tested under Wine.
#
# freeglut comes from Debian's source package and GoogleTest from Debian's googletest sources,
# both built for Windows once into build/windows-deps; Wine runs in a prefix of its own under
# build/windows-wine.
windows_packages="cmake make g++ dpkg-dev g++-mingw-w64-x86-64-posix wine wine64 googletest"
# The tests: the X client of the window tests, a virtual X server, keys and screen grabs.
windows_packages="$windows_packages libx11-dev xvfb xauth xdotool imagemagick"

windows_deps=build/windows-deps

windows_build() {
    tools/windows/freeglut.sh "$windows_deps"
    tools/windows/googletest.sh "$windows_deps"
    cmake --preset windows
    cmake --build --preset windows -j "$jobs"
    rm -f build/windows/corvexa-*-windows-x64.zip
    (cd build/windows && cpack --config CPackConfig.cmake -B .)
    echo "Built $(ls build/windows/corvexa-*-windows-x64.zip)"
}

windows_test() {
    wine_run=$(pwd)/tools/windows/wine-run
    # The prefix is made once; later runs find it. A server that stays a while keeps each
    # test's Wine start short.
    "$wine_run" --prefix
    ctest --preset windows -j "$jobs"
    tests/windows/zip_test.sh build/windows/corvexa-*-windows-x64.zip "$wine_run" \
        tests/e2e/expected_report.txt
}
