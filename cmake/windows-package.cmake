# The Windows release: `cpack` in the build folder makes corvexa-<version>-windows-x64.zip with
# both programs, a short text on running them, and the licences of Corvexa and freeglut.

# freeglut's build installed its licence beside its package config (tools/windows/freeglut.sh).
get_filename_component(corvexa_freeglut_prefix ${FreeGLUT_DIR}/../../.. ABSOLUTE)
set(corvexa_freeglut_licence ${corvexa_freeglut_prefix}/share/doc/freeglut/COPYING)

# The text with the line ends that every Windows editor shows.
set(corvexa_windows_staged ${PROJECT_BINARY_DIR}/windows-package)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/readme.txt.in
               ${corvexa_windows_staged}/README.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS corvexa corvexa-headless RUNTIME DESTINATION .)
install(FILES ${corvexa_windows_staged}/README.txt headless/cascade.keys DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${corvexa_freeglut_licence} DESTINATION . RENAME freeglut-COPYING.txt)

set(CPACK_PACKAGE_NAME corvexa)
set(CPACK_PACKAGE_VENDOR "The Corvexa developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME corvexa-${PROJECT_VERSION}-windows-x64)
# Unpacked, the files sit in one folder of that name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
