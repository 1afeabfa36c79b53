# shellcheck shell=sh
# Sourced by tools/setup: Windows, cross-built with MinGW-w64 and tested under Wine.
#
# freeglut comes from Debian's source package and GoogleTest from Debian's googletest sources,
# both built for Windows once into build/windows-deps; Wine runs in a prefix of its own under
# build/windows-wine. What this file declares: windows_packages, windows_dependencies and
# windows_build, each function taking what it needs as arguments.
windows_packages="cmake make libcli11-dev g++ dpkg-dev g++-mingw-w64-x86-64-posix wine wine64 googletest"
# The icon drawer, built for this machine, and what makes the icon file and the installer's
# picture from its PNGs; the installer, made by CPack with NSIS.
windows_packages="$windows_packages libpng-dev icoutils imagemagick nsis"
# The tests: the X client of the window tests, a virtual X server, keys, screen grabs, window
# properties, and the resources of the programs read back.
windows_packages="$windows_packages libx11-dev xvfb xauth xdotool x11-utils pngcheck"

# windows_dependencies: freeglut and GoogleTest built for Windows, once.
windows_dependencies() {
    tools/windows/freeglut.sh build/windows-deps
    tools/windows/googletest.sh build/windows-deps
}

# windows_build JOBS: the programs, their zip and their installer.
windows_build() {
    windows_dependencies
    cmake --preset windows
    cmake --build --preset windows -j "$1"
    rm -f build/windows/corvexa-*-windows-x64.zip build/windows/corvexa-*-windows-x64-setup.exe
    (cd build/windows && cpack --config CPackConfig.cmake -B . >/dev/null)
    ls build/windows/corvexa-*-windows-x64.zip build/windows/corvexa-*-windows-x64-setup.exe |
        sed 's/^/Built /'
}
