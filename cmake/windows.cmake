# Windows: freeglut as a static library, from the package config that its own build installs
# (tools/windows/freeglut.sh), standing in for the GLUT::GLUT that FindGLUT would look for.
find_package(FreeGLUT CONFIG REQUIRED)
if(NOT TARGET GLUT::GLUT)
    add_library(GLUT::GLUT INTERFACE IMPORTED)
    target_link_libraries(GLUT::GLUT INTERFACE FreeGLUT::freeglut_static)
endif()
get_target_property(corvexa_freeglut_include FreeGLUT::freeglut_static
                    INTERFACE_INCLUDE_DIRECTORIES)
set(GLUT_INCLUDE_DIR ${corvexa_freeglut_include} CACHE PATH "freeglut's headers")
set(GLUT_glut_LIBRARY_RELEASE FreeGLUT::freeglut_static CACHE STRING "freeglut, static")

# Every file that includes freeglut's header must see this, not only those that link the
# library: without it the header declares the functions as imported from a DLL.
add_compile_definitions(FREEGLUT_STATIC)

# The stand-in backends (calls that do nothing, the tests' recorder) define GL and GLUT
# functions themselves. On Windows their files are built as if they were the libraries: the GL
# functions not imported from a DLL (_GDI32_), and glutInit and glutCreateWindow under their
# own names, not freeglut's inline wrappers around the ...WithExit variants. Those variants and
# the import table entries that callers use come from one more file.
function(corvexa_windows_stand_in target)
    target_compile_definitions(${target} PRIVATE GLUT_DISABLE_ATEXIT_HACK _GDI32_)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/ui/glStandIns_windows.cpp)
endfunction()

# The test programs list their tests under Wine when the tests run, not while they are built,
# so that building needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
