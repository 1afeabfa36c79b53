# Windows: freeglut as a static library, from the package config that its own build installs
# (tools/windows/freeglut.sh), standing in for the GLUT::GLUT that FindGLUT would look for.
find_package(FreeGLUT CONFIG REQUIRED)
if(NOT TARGET GLUT::GLUT)
    add_library(GLUT::GLUT INTERFACE IMPORTED)
    target_link_libraries(GLUT::GLUT INTERFACE FreeGLUT::freeglut_static)
endif()

# Every file that includes freeglut's header must see this, not only those that link the
# library: without it the header declares the functions as imported from a DLL.
add_compile_definitions(FREEGLUT_STATIC)

# The test programs list their tests under Wine when the tests run, not while they are built,
# so that building needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# The programs' icon and version details, from a resource script that MinGW's windres compiles.
enable_language(RC)

# Until the project has a site of its own, the Windows details name the same placeholder as the
# Debian package's maintainer (cmake/debian.cmake): its name is the company of the version
# details and the installer's publisher.
set(CORVEXA_MAINTAINER "The Corvexa developers <corvexa@example.org>"
    CACHE STRING "The maintainer, whose name the Windows programs and installer give")
string(REGEX REPLACE " *<.*>$" "" corvexa_windows_company "${CORVEXA_MAINTAINER}")
# The first line of the licence: "Copyright (c) YEAR The Corvexa developers".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE corvexa_windows_copyright LIMIT_COUNT 1)
# Drawn by the icon drawer (packaging/icon): the icon of the resources and the installer, and
# the picture of the installer's welcome and finish pages.
set(corvexa_windows_icon ${PROJECT_BINARY_DIR}/icon/corvexa.ico)
set(corvexa_installer_picture ${PROJECT_BINARY_DIR}/icon/installer.bmp)

# corvexa_windows_resources(TARGET DESCRIPTION): the icon and the version details of the
# program TARGET, from packaging/windows/program.rc.in; DESCRIPTION is the file's description
# that Explorer shows.
function(corvexa_windows_resources target description)
    set(corvexa_windows_program ${target})
    set(corvexa_windows_description ${description})
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${script} @ONLY)
    target_sources(${target} PRIVATE ${script})
    # windres reads the icon file while it compiles the script.
    set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS ${corvexa_windows_icon})
    add_dependencies(${target} corvexa_windows_icon)
endfunction()
