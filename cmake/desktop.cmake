# The program as a desktop sees it: its version, window icon, the files `cmake --install` puts
# in place (program, menu entry, icon, AppStream metainfo, manual page) and the Debian package.

target_compile_definitions(korvale_app PRIVATE KORVALE_VERSION="${PROJECT_VERSION}")
if(NOT KORVALE_WITH_QT)
  return()
endif()
target_compile_definitions(korvale_qt PRIVATE KORVALE_VERSION="${PROJECT_VERSION}")

set(data ${CMAKE_SOURCE_DIR}/data)
set(generated ${CMAKE_BINARY_DIR}/desktop)
set(app_id de.korvale.Korvale)
set(icon_sizes 16 32 48 256)

# The icon is drawn once as SVG; the window icon and the fixed-size theme icons are PNG
# renderings of it, so the program needs no SVG plugin at run time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${data}/korvale.svg
                                                               ${data}/korvale.1.in)
file(MAKE_DIRECTORY ${generated})
set(icon_pngs)
foreach(size IN LISTS icon_sizes)
  execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${generated}/icon-${size}.png
                          ${data}/korvale.svg COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND icon_pngs ${generated}/icon-${size}.png)
endforeach()
qt_add_resources(korvale_qt korvale_icon PREFIX /korvale BASE ${generated} FILES ${icon_pngs})

configure_file(${data}/korvale.1.in ${generated}/korvale.1 @ONLY)
execute_process(COMMAND gzip -9 -n -c ${generated}/korvale.1 OUTPUT_FILE ${generated}/korvale.1.gz
                COMMAND_ERROR_IS_FATAL ANY)

# `korvale --help`, `--version` and a wrong argument, as the installed program answers them.
add_test(NAME help_command_line COMMAND ${CMAKE_SOURCE_DIR}/tests/scenarios/help_cli.sh
                                        $<TARGET_FILE:korvale> ${PROJECT_VERSION})
set_tests_properties(help_command_line PROPERTIES LABELS scenario)

include(GNUInstallDirs)
install(TARGETS korvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${data}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/korvale.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS icon_sizes)
  install(FILES ${generated}/icon-${size}.png RENAME korvale.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${generated}/korvale.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# `cpack -G DEB`: the libraries come from dpkg-shlibdeps; fonts and Qt's translations are
# only read at run time, so they are named here.
set(CPACK_PACKAGE_NAME korvale)
set(CPACK_PACKAGE_VENDOR "KORVALE developers")
set(CPACK_PACKAGE_CONTACT "KORVALE developers <developers@korvale.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "class lists, seating plans and grade lists for teachers")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program with a German user interface for teachers who keep
the records of their classes: a class editor (name list beside a seating
plan), a grades editor that opens CSV lists as aligned tables and
evaluates them (statistics, charts, form letters, formulas), list tools
and a formula calculator.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvale.invalid/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
