# Read by cpack once for each generator of the Windows release (cmake/windows-package.cmake).
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME corvexa-${CPACK_PACKAGE_VERSION}-windows-x64-setup)
    # The installer puts the files straight into the folder the user chose.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
    set(CPACK_PACKAGE_FILE_NAME corvexa-${CPACK_PACKAGE_VERSION}-windows-x64)
    # Unpacked, the files sit in one folder of the zip's name.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
