# CLI11 parses both programs' options. It is header-only: a cross build takes Debian's CLI
# headers alone, through a folder of its own, since the rest of /usr/include is the build
# machine's C library.
if(CMAKE_CROSSCOMPILING)
    find_path(CORVEXA_CLI11_DIR CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
              NO_DEFAULT_PATH)
    if(NOT CORVEXA_CLI11_DIR)
        message(FATAL_ERROR "CLI11's headers are missing (on Debian, libcli11-dev has them)")
    endif()
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/cli11)
    file(CREATE_LINK ${CORVEXA_CLI11_DIR}/CLI ${PROJECT_BINARY_DIR}/cli11/CLI SYMBOLIC)
    add_library(CLI11::CLI11 INTERFACE IMPORTED)
    target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/cli11)
else()
    find_package(CLI11 2.1 CONFIG REQUIRED)
endif()

# The files that declare options through CLI11. Its templates cost them most of their build
# time, at -O2 with full debug information nearly twice what -O1 with line tables costs, and in
# every build; the options are read once, at start, so these files are built the cheaper way.
# The page keeps its build for size. Under the sanitizers they are not instrumented either:
# CLI11 is not ours to check, and what its validators call to read numbers is (session/input.cpp).
function(corvexa_option_sources)
    if(EMSCRIPTEN)
        return()
    endif()
    set(options -O1 $<$<CONFIG:Debug,RelWithDebInfo>:-g1>)
    if(CORVEXA_SANITIZE OR CORVEXA_FUZZ)
        list(APPEND options -fno-sanitize=all)
    endif()
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "${options}")
endfunction()
