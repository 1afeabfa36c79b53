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
