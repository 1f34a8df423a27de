# The program as a desktop sees it: its version, window icon, the files `cmake --install` puts
# in place (program, menu entry, icon, AppStream metainfo, manual page) and the Debian package.

target_compile_definitions(korvale_app PRIVATE KORVALE_VERSION="${PROJECT_VERSION}")
if(NOT KORVALE_WITH_QT)
  return()
endif()

# `korvale --help`, `--version` and a wrong argument, as the installed program answers them.
add_test(NAME help_command_line COMMAND ${CMAKE_SOURCE_DIR}/tests/scenarios/help_cli.sh
                                        $<TARGET_FILE:korvale> ${PROJECT_VERSION})
set_tests_properties(help_command_line PROPERTIES LABELS scenario)
