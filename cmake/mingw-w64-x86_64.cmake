# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers (the posix thread model).
#
# WINDOWS_DEPENDENCIES_PREFIX, when given, names a prefix of libraries already built for this
# target outside the compiler's own root (freeglut and GoogleTest under build/); it is searched
# like that root, and nothing of the build machine is.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
if(WINDOWS_DEPENDENCIES_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH ${WINDOWS_DEPENDENCIES_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The build machine's pkg-config files describe its own libraries, not these.
set(ENV{PKG_CONFIG_LIBDIR} "${WINDOWS_DEPENDENCIES_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

# Programs that need only the DLLs Windows ships: the compiler's runtime (libgcc, libstdc++,
# winpthread) goes into every executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
