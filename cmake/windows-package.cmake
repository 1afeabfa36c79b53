# The Windows release: `cpack` in the build folder makes corvexa-<version>-windows-x64.zip, the
# portable form, and corvexa-<version>-windows-x64-setup.exe, the installer, from the same
# files: both programs, a short text on running them, the key script, the scenes and the
# licences of Corvexa and freeglut. `cpack -G ZIP` or `cpack -G NSIS` makes one of them.

# freeglut's build installed its licence beside its package config (tools/windows/freeglut.sh).
get_filename_component(corvexa_freeglut_prefix ${FreeGLUT_DIR}/../../.. ABSOLUTE)
set(corvexa_freeglut_licence ${corvexa_freeglut_prefix}/share/doc/freeglut/COPYING)

# The texts with the line ends that every Windows editor shows.
set(corvexa_windows_staged ${PROJECT_BINARY_DIR}/windows-package)
# Its option lists come from the programs' own --help, run under the emulator.
add_custom_command(OUTPUT ${corvexa_windows_staged}/README.txt
                   COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/windows/readme.txt.in
                           -DOUTPUT=${corvexa_windows_staged}/README.txt -DFORMAT=text -DNEWLINE=CRLF
                           "-DCORVEXA=${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:corvexa>"
                           "-DCORVEXA_HEADLESS=${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:corvexa-headless>"
                           -DPROJECT_VERSION=${PROJECT_VERSION}
                           -P ${PROJECT_SOURCE_DIR}/cmake/options-text.cmake
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/readme.txt.in corvexa
                           corvexa-headless ${PROJECT_SOURCE_DIR}/cmake/options-text.cmake
                   VERBATIM)
add_custom_target(corvexa_windows_readme ALL DEPENDS ${corvexa_windows_staged}/README.txt)
# The installer's licence page shows both licences, one after the other.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE corvexa_licence_text)
file(READ ${corvexa_freeglut_licence} corvexa_freeglut_licence_text)
file(CONFIGURE OUTPUT ${corvexa_windows_staged}/licences.txt
     CONTENT [[Corvexa

@corvexa_licence_text@

freeglut, the window toolkit built into corvexa.exe

@corvexa_freeglut_licence_text@]]
     @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${corvexa_freeglut_licence})

install(TARGETS corvexa corvexa-headless RUNTIME DESTINATION .)
install(FILES ${corvexa_windows_staged}/README.txt headless/cascade.keys DESTINATION .)
install(FILES ${corvexa_scenes} DESTINATION scenes)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${corvexa_freeglut_licence} DESTINATION . RENAME freeglut-COPYING.txt)

set(CPACK_PACKAGE_NAME corvexa)
set(CPACK_PACKAGE_VENDOR ${corvexa_windows_company})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR ZIP NSIS)
# The file names and the folder layout differ by generator (packaging/windows/cpack-options.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
set(CPACK_STRIP_FILES ON)

# The installer's script is the project's own (packaging/windows/NSIS.template.in): per
# machine, one Start-menu shortcut, an entry in Apps & features, an older version uninstalled
# first, and an uninstaller that leaves nothing of Corvexa behind. Its welcome and finish pages
# show the Earth drawn by the icon drawer (packaging/icon).
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Corvexa)
set(CPACK_RESOURCE_FILE_LICENSE ${corvexa_windows_staged}/licences.txt)
set(CPACK_NSIS_MUI_ICON ${corvexa_windows_icon})
set(CPACK_NSIS_CORVEXA_PICTURE ${corvexa_installer_picture})
# The program's arguments in the Start-menu shortcut, which the finish page starts too; NSIS
# reads them inside double quotes, where $\" stands for one. The shortcut starts the explore
# mode: the game with its pause, speed, figures and trails keys.
set(CPACK_NSIS_CORVEXA_SHORTCUT_ARGUMENTS "--explore")
set(CPACK_NSIS_CORVEXA_COPYRIGHT ${corvexa_windows_copyright})
include(CPack)
