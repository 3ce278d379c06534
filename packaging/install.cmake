# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: what `cmake --install build [--prefix DIR]` puts in place, and
# what the Debian package (debian/rules) holds.
include(GNUInstallDirs)

set(VORANDEL_ICON_SIZES 16 24 32 48 64 128 256)

# The windows are laid out for these faces (Liberation Sans has Arial's
# metrics). The Debian package depends on their packages; an installation by
# `cmake --install` does not bring them, so say so here.
find_program(VORANDEL_FC_MATCH fc-match)
if(VORANDEL_FC_MATCH)
    foreach(face_and_package "Liberation Sans=fonts-liberation" "Liberation Serif=fonts-liberation"
                             "DejaVu Sans=fonts-dejavu-core")
        string(REPLACE "=" ";" face_and_package "${face_and_package}")
        list(GET face_and_package 0 face)
        list(GET face_and_package 1 package)
        execute_process(COMMAND ${VORANDEL_FC_MATCH} -f "%{family}" "${face}"
                        OUTPUT_VARIABLE matched ERROR_QUIET RESULT_VARIABLE failed)
        string(REPLACE "," ";" matched_families "${matched}")
        if(failed OR NOT face IN_LIST matched_families)
            message(WARNING "The font \"${face}\" is not installed (fc-match gives \"${matched}\"); "
                            "install the Debian package ${package}, or some values will not fit their labels.")
        endif()
    endforeach()
else()
    message(WARNING "fc-match not found: cannot check that the fonts Vorandel is laid out for are installed "
                    "(Debian packages fonts-liberation and fonts-dejavu-core).")
endif()

# The program links only to system libraries: no run-time search path.
set_target_properties(vorandel PROPERTIES INSTALL_RPATH "")
install(TARGETS vorandel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorandel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/ee.vorandel.vorandel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/vorandel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS VORANDEL_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vorandel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME vorandel.png)
endforeach()

# The PNG icons are drawn by the program's own sun picture; scripts/make-icons.sh
# builds this tool and writes resources/icons/ with it. Not part of the normal build.
qt_add_executable(vorandel_icons EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/make_icons.cpp)
target_link_libraries(vorandel_icons PRIVATE mainwindow_ui)

# The manual pages and the bash completion.
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/vorandel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/et/vorandel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/et/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorandel.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vorandel)

# The Debian package (debian/) is built from a clean copy of the source tree
# and checked, with lintian among others. It takes minutes: `ctest -LE package`
# leaves it out.
if(BUILD_TESTING)
    add_test(NAME package_contents
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package_test.sh ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION})
    set_tests_properties(package_contents PROPERTIES TIMEOUT 3600 LABELS package)
endif()
