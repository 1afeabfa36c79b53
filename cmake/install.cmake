# Where a Linux install puts each file, after the GNU conventions, and the files made for it:
# the icon drawn by the program's own Earth code, the man pages and the AppStream metainfo.

# Under /usr, as the package installs them, the programs go where Debian puts its games; under
# any other prefix to bin, which login profiles put on PATH (~/.local/bin) where they put no
# games folder. The choice is made when installing, since `cmake --install --prefix` may name
# another prefix than the one configured. -DCMAKE_INSTALL_BINDIR=DIR, other than the default
# bin, decides for every prefix. The documentation folder is named after the package, in lower
# case.
set(CMAKE_INSTALL_DOCDIR share/doc/corvexa CACHE PATH "Documentation (DATAROOTDIR/doc/corvexa)")
include(GNUInstallDirs)
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin")
    set(corvexa_bindir "${CMAKE_INSTALL_BINDIR}")
else()
    set(corvexa_bindir "\${corvexa_bindir}")
    install(CODE [[
        if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
            set(corvexa_bindir games)
        else()
            set(corvexa_bindir bin)
        endif()
    ]])
endif()

set(CORVEXA_SCREENSHOT_URL "https://corvexa.example.org/screenshot.png"
    CACHE STRING "Where software centres fetch the screenshot (docs/screenshot.png) from")

set(corvexa_package_dir ${PROJECT_SOURCE_DIR}/packaging/debian)
set(corvexa_staged_dir ${PROJECT_BINARY_DIR}/package)

# The version comes from the project, so the pages and the metainfo never disagree with it.
configure_file(${corvexa_package_dir}/corvexa.metainfo.xml.in
               ${corvexa_staged_dir}/org.corvexa.corvexa.metainfo.xml @ONLY)

# Debian wants man pages compressed at the highest level, without a time stamp.
find_program(GZIP gzip REQUIRED)
set(corvexa_man_pages)
foreach(page corvexa.6 corvexa-headless.6)
    # The option lists come from the programs' own --help.
    add_custom_command(OUTPUT ${corvexa_staged_dir}/${page}
                       COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${corvexa_package_dir}/${page}.in
                               -DOUTPUT=${corvexa_staged_dir}/${page} -DFORMAT=roff
                               -DCORVEXA=$<TARGET_FILE:corvexa>
                               -DCORVEXA_HEADLESS=$<TARGET_FILE:corvexa-headless>
                               -DPROJECT_VERSION=${PROJECT_VERSION}
                               -P ${PROJECT_SOURCE_DIR}/cmake/options-text.cmake
                       DEPENDS ${corvexa_package_dir}/${page}.in corvexa corvexa-headless
                               ${PROJECT_SOURCE_DIR}/cmake/options-text.cmake
                       VERBATIM)
    add_custom_command(OUTPUT ${corvexa_staged_dir}/${page}.gz
                       COMMAND sh -c "\"$1\" -9nc \"$2\" >\"$2.gz\"" sh ${GZIP}
                               ${corvexa_staged_dir}/${page}
                       DEPENDS ${corvexa_staged_dir}/${page}
                       VERBATIM)
    list(APPEND corvexa_man_pages ${corvexa_staged_dir}/${page}.gz)
endforeach()
set(corvexa_changelog ${corvexa_staged_dir}/changelog.gz)
add_custom_command(OUTPUT ${corvexa_changelog}
                   COMMAND sh -c "\"$1\" -9nc \"$2\" >\"$3\"" sh ${GZIP}
                           ${corvexa_package_dir}/changelog ${corvexa_changelog}
                   DEPENDS ${corvexa_package_dir}/changelog
                   VERBATIM)
add_custom_target(corvexa_install_files ALL DEPENDS ${corvexa_man_pages} ${corvexa_changelog})

install(TARGETS corvexa corvexa-headless RUNTIME DESTINATION ${corvexa_bindir})
install(PROGRAMS tools/plot-cascade DESTINATION ${CMAKE_INSTALL_DATADIR}/corvexa)
install(FILES headless/cascade.keys DESTINATION ${CMAKE_INSTALL_DATADIR}/corvexa)
install(FILES ${corvexa_scenes} DESTINATION ${CMAKE_INSTALL_DATADIR}/corvexa/scenes)

# The README's links lead to the guides and their pictures beside it.
install(FILES README.md CHANGELOG.md CONTRIBUTING.md ${corvexa_changelog}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

install(FILES ${corvexa_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${corvexa_package_dir}/corvexa.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${corvexa_staged_dir}/org.corvexa.corvexa.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 64 128 256)
    install(FILES ${corvexa_icon_dir}/corvexa-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME corvexa.png)
endforeach()
install(FILES ${corvexa_icon_dir}/corvexa.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
