# The browser: Emscripten's toolchain from Debian's package (the web preset names it). The
# graphics backend is the page's own (graphics/webGraphics.cpp and webWindow.cpp), so there is
# no GL or GLUT to find.
set(corvexa_web_page ${PROJECT_SOURCE_DIR}/web)

# GoogleTest from Debian's sources, built with em++ (its build names GTest::gtest and
# GTest::gtest_main, which FindGTest then takes). Without threads: a page has none.
set(gtest_disable_pthreads ON CACHE BOOL "")
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
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

# The folder to publish, as it is, on any static web server: the page, the program, the icons,
# the web app manifest and the service worker, and nothing of the build.
set(corvexa_site ${CMAKE_BINARY_DIR}/site)
# The icon drawer, for the page's icons.
add_subdirectory(packaging/icon)

# The targets are made further down; they get the browser's options once the whole tree is read.
function(corvexa_web_targets)
    target_link_options(corvexa PRIVATE ${corvexa_web_link})
    set_property(TARGET corvexa APPEND PROPERTY LINK_DEPENDS ${corvexa_web_page}/node.js
                                                             ${corvexa_web_page}/library.js)
    set_target_properties(corvexa PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${corvexa_site})
    # The page's replay controls ask the program for its replay (session/replayExport_web.cpp)
    # and hand it the replay to show through its file system.
    target_link_options(corvexa PRIVATE -sEXPORTED_FUNCTIONS=_main,_corvexa_replay_text
                        -sEXPORTED_RUNTIME_METHODS=ccall,FS)
    # A replay the program refuses is an exception that main catches, then status 2, which the
    # page hears (web/replay.js); uncaught, the program would end with no word of why. Only main
    # catches: the page's arguments are its own, so the option parser's catches in the session
    # library are not needed here, and compiled in they would cost 22 KB gzipped, the C++
    # library built to catch 6 KB more. The browser's own exceptions (-fwasm-exceptions) would
    # unwind main, whose session the frames use, when its loop hands the thread to the page.
    target_compile_options(corvexa PRIVATE -fexceptions)
    foreach(file page.js page.css replay.js manifest.webmanifest service-worker.js)
        configure_file(${corvexa_web_page}/${file} ${corvexa_site}/${file} COPYONLY)
    endforeach()
    # The page's footer names the project's version.
    configure_file(${corvexa_web_page}/index.html ${corvexa_site}/index.html @ONLY)

    # The favicon and the app icons: the program's own Earth, from the icon drawer run under
    # node. The drawer stores its pixels uncompressed; the page's copies are deflated.
    target_link_options(corvexa_icon PRIVATE ${corvexa_node_link})
    set(drawn ${CMAKE_BINARY_DIR}/site-icons)
    set(icons)
    set(compress_arguments)
    foreach(size 32 192 512)
        list(APPEND icons ${corvexa_site}/icon-${size}.png)
        list(APPEND compress_arguments ${drawn}/corvexa-${size}.png
                                       ${corvexa_site}/icon-${size}.png)
    endforeach()
    add_custom_command(OUTPUT ${icons}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${drawn}
                       COMMAND corvexa_icon ${drawn} 32 192 512
                       COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
                               ${PROJECT_SOURCE_DIR}/tools/web/compress-png.js
                               ${compress_arguments}
                       DEPENDS corvexa_icon ${PROJECT_SOURCE_DIR}/tools/web/compress-png.js
                       COMMENT "Drawing the page's icons"
                       VERBATIM)
    add_custom_target(corvexa_site ALL DEPENDS ${icons})
    add_dependencies(corvexa_site corvexa)

    # The unit tests run under node, with the real file system for the files they read. The
    # headless runner reports bad input by exceptions, which Emscripten catches only when asked.
    target_compile_options(corvexa_headless PRIVATE -fexceptions)
    if(TARGET corvexa_tests)
        foreach(target corvexa_tests gtest gtest_main)
            target_compile_options(${target} PRIVATE -fexceptions)
        endforeach()
        target_link_options(corvexa_tests PRIVATE ${corvexa_web_link} -sNODERAWFS=1 -fexceptions)
    endif()

    # The headless runner under node, reading its key scripts from the real file system.
    target_compile_options(corvexa-headless PRIVATE -fexceptions)
    target_link_options(corvexa-headless PRIVATE ${corvexa_node_link} -fexceptions)

    if(TARGET corvexa_backend_check_platform)
        target_link_options(corvexa_backend_check_platform PRIVATE ${corvexa_web_link})
    endif()

    # A crowded world of live debris in the page, for the frame-rate figures (bench/web/fps.js
    # serves the build folder: the page is at site/, this one at bench/).
    add_executable(corvexa_crowded EXCLUDE_FROM_ALL bench/web/crowded.cpp bench/scenes.cpp)
    target_include_directories(corvexa_crowded PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(corvexa_crowded PRIVATE corvexa_simulation corvexa_window
                                                  corvexa_platform corvexa_graphics)
    target_link_options(corvexa_crowded PRIVATE ${corvexa_web_link})
    set_target_properties(corvexa_crowded PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                     ${CMAKE_BINARY_DIR}/bench)
    corvexa_set_warnings(corvexa_crowded)
    # Its page is the program's, without the icons and the manifest.
    file(READ ${corvexa_web_page}/index.html page)
    string(CONFIGURE "${page}" page @ONLY)
    foreach(file page.css page.js replay.js)
        string(REPLACE "\"${file}\"" "\"../site/${file}\"" page "${page}")
    endforeach()
    string(REPLACE "\"corvexa.js\"" "\"corvexa_crowded.js\"" page "${page}")
    string(REGEX REPLACE "<link rel=\"(icon|apple-touch-icon|manifest)\"[^>]*>\n" "" page
                         "${page}")
    file(WRITE ${CMAKE_BINARY_DIR}/bench/index.html "${page}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                                 ${corvexa_web_page}/index.html)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL corvexa_web_targets)
