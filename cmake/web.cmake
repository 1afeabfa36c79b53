# The browser: Emscripten's toolchain from Debian's package (the web preset names it). The
# graphics backend is the page's own (graphics/webGraphics.cpp and webWindow.cpp), so there is
# no GL or GLUT to find. Each folder says what its targets are in the page; this file holds
# what they share.
set(corvexa_web_page ${PROJECT_SOURCE_DIR}/web)

# GoogleTest from Debian's sources, built with em++ (its build names GTest::gtest and
# GTest::gtest_main, which FindGTest then takes). Without threads: a page has none. Its
# assertions are exceptions, which Emscripten catches only when asked.
set(gtest_disable_pthreads ON CACHE BOOL "")
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -fexceptions)
target_compile_options(gtest_main PRIVATE -fexceptions)
set(GTEST_INCLUDE_DIR /usr/src/googletest/googletest/include CACHE PATH "")
set(GTEST_LIBRARY gtest CACHE STRING "")
set(GTEST_MAIN_LIBRARY gtest_main CACHE STRING "")

# Under node a module reads its .wasm from the disk itself (web/node.js); the page hears of each
# frame drawn and of a browser without WebGL (web/library.js).
set(corvexa_web_link -sENVIRONMENT=web,node -sALLOW_MEMORY_GROWTH=1
    "SHELL:--pre-js ${corvexa_web_page}/node.js" "SHELL:--js-library ${corvexa_web_page}/library.js")
# A program that runs under node alone, on the real file system.
set(corvexa_node_link -sENVIRONMENT=node -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
    "SHELL:--pre-js ${corvexa_web_page}/node.js")

# The folder to publish, as it is, on any static web server (web/CMakeLists.txt): the page,
# the program, the icons, the web app manifest and the service worker, and nothing of the build.
set(corvexa_site ${CMAKE_BINARY_DIR}/site)
