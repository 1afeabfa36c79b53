# The browser: Emscripten's toolchain from Debian's package (the web preset names it). The
# browser has no GLUT to find. ui/platform_web.cpp is the page's own small toolkit over
# Emscripten's html5 events, ui/webGraphics.cpp draws the immediate-mode calls in batches over
# WebGL, and ui/web holds the freeglut header that the shared code includes.
set(corvexa_web_page ${PROJECT_SOURCE_DIR}/tools/web)

add_library(corvexa_gl_web STATIC ui/webGraphics.cpp)
target_include_directories(corvexa_gl_web PRIVATE ${PROJECT_SOURCE_DIR}/ui/web)
corvexa_set_warnings(corvexa_gl_web)

# WebGL comes with the page; GLU's one call, gluOrtho2D, is the drawing layer's.
if(NOT TARGET OpenGL::GL)
    add_library(OpenGL::GL INTERFACE IMPORTED)
endif()
add_library(OpenGL::GLU INTERFACE IMPORTED)
add_library(GLUT::GLUT INTERFACE IMPORTED)
target_link_libraries(GLUT::GLUT INTERFACE corvexa_gl_web)
set(GLUT_INCLUDE_DIR ${PROJECT_SOURCE_DIR}/ui/web CACHE PATH "The browser's GLUT header")
set(GLUT_glut_LIBRARY GLUT::GLUT CACHE STRING "The browser's GLUT: the page's own toolkit")

# GoogleTest from Debian's sources, built with em++ (its build names GTest::gtest and
# GTest::gtest_main, which FindGTest then takes). Without threads: a page has none.
set(gtest_disable_pthreads ON CACHE BOOL "")
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(GTEST_INCLUDE_DIR /usr/src/googletest/googletest/include CACHE PATH "")
set(GTEST_LIBRARY gtest CACHE STRING "")
set(GTEST_MAIN_LIBRARY gtest_main CACHE STRING "")

# Under node a module reads its .wasm from the disk itself (tools/web/node.js); the page hears
# of each frame drawn (tools/web/library.js).
set(corvexa_web_link -sENVIRONMENT=web,node -sALLOW_MEMORY_GROWTH=1
    "SHELL:--pre-js ${corvexa_web_page}/node.js" "SHELL:--js-library ${corvexa_web_page}/library.js")

# The targets are made further down; they get the browser's options once the whole tree is read.
function(corvexa_web_targets)
    # The GL headers are the sysroot's, on the compiler's own path. Emscripten's FindOpenGL names
    # the package's source copy instead, whose emscripten.h misses the version header beside it.
    set_property(TARGET corvexa_gl_headers PROPERTY INTERFACE_INCLUDE_DIRECTORIES
                                                    ${PROJECT_SOURCE_DIR}/ui/web)
    set_property(TARGET corvexa_gl_headers PROPERTY INTERFACE_SYSTEM_INCLUDE_DIRECTORIES
                                                    ${PROJECT_SOURCE_DIR}/ui/web)

    target_link_options(corvexa PRIVATE ${corvexa_web_link})
    set_property(TARGET corvexa APPEND PROPERTY LINK_DEPENDS ${corvexa_web_page}/node.js
                                                             ${corvexa_web_page}/library.js)
    foreach(file index.html page.js page.css)
        configure_file(${corvexa_web_page}/${file} ${CMAKE_BINARY_DIR}/${file} COPYONLY)
    endforeach()

    # The unit tests run under node, with the real file system for the files they read. The
    # headless runner reports bad input by exceptions, which Emscripten catches only when asked.
    if(TARGET corvexa_tests)
        foreach(target corvexa_tests corvexa_headless gtest gtest_main)
            target_compile_options(${target} PRIVATE -fexceptions)
        endforeach()
        target_link_options(corvexa_tests PRIVATE ${corvexa_web_link} -sNODERAWFS=1 -fexceptions)
    endif()

    # A crowded world of live debris in the page, for the frame-rate figures.
    add_executable(corvexa_crowded EXCLUDE_FROM_ALL bench/web/crowded.cpp bench/scenes.cpp)
    target_include_directories(corvexa_crowded PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(corvexa_crowded PRIVATE corvexa_window corvexa_gl_system)
    target_link_options(corvexa_crowded PRIVATE ${corvexa_web_link})
    set_target_properties(corvexa_crowded PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                     ${CMAKE_BINARY_DIR}/bench)
    corvexa_set_warnings(corvexa_crowded)
    # Its page is the program's, one folder down.
    file(READ ${corvexa_web_page}/index.html page)
    foreach(file page.css page.js)
        string(REPLACE "\"${file}\"" "\"../${file}\"" page "${page}")
    endforeach()
    string(REPLACE "\"corvexa.js\"" "\"corvexa_crowded.js\"" page "${page}")
    file(WRITE ${CMAKE_BINARY_DIR}/bench/index.html "${page}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                                 ${corvexa_web_page}/index.html)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL corvexa_web_targets)
