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
