# The Debian package: `cpack -G DEB` in a build folder makes corvexa_<version>_amd64.deb from
# the install rules. Other platforms set their own generators in their own files.

set(CORVEXA_MAINTAINER "The Corvexa developers <corvexa@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME corvexa)
set(CPACK_PACKAGE_VENDOR "The Corvexa developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "satellites orbiting the Earth, a ship and their debris")
set(CPACK_PACKAGE_DESCRIPTION [=[
Corvexa is an interactive two-dimensional simulation of satellites orbiting
the Earth. One window shows the Earth, ten satellites (Sputnik, Hubble, six GPS
satellites, Starlink and Crew Dragon) under the Earth's inverse-square gravity,
and a ship that the player turns, thrusts and fires from. Objects that touch
each other or the Earth break up into parts and fragments that keep orbiting
and can collide in turn.

The package also holds corvexa-headless, which runs the same world without a
window from a seed and a key script and reports the debris cascade as CSV, and
a script that charts such a report with gnuplot.]=])

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVEXA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The chart script is the only user of gnuplot.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS gnuplot-nox)
# Debian ships programs without their debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
