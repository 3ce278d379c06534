# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#   cmake --install build [--prefix DIR]   the program, its desktop entry and its icons
#   cpack --config build/CPackConfig.cmake  vorandel_<version>_<arch>.deb
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
target_link_libraries(vorandel_icons PRIVATE vorandel_ui)

# ---- Debian package ---------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorandel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vorandel developers")
set(CPACK_PACKAGE_CONTACT "Vorandel developers <dev@vorandel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Päikesetõus ja -loojang: sunrise and sunset in Estonia")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)   # vorandel_2.0.2_amd64.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vorandel developers <dev@vorandel.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line of the description is the summary above; cpack indents these.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vorandel is a desktop calculator, in Estonian, of the times of sunrise and
sunset on a chosen date at a chosen place in Estonia, with the day and week
number, the Sun's declination and noon height, the equation of time, the local
noon, the Earth's rotation speed and the gravity at the ground. It has a
gazetteer of Estonian places and a summer/winter time switch.")
# dpkg-shlibdeps adds the shared libraries the program links to, with their
# versions: libqt6widgets6, libqt6gui6, libqt6core6, libstdc++6, libc6, ...
# What it cannot see is added here: the fonts the windows are drawn in. (The
# xcb platform plugin comes with libqt6gui6, which dpkg-shlibdeps names.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-dejavu-core")

include(CPack)

# The package is built from this tree into a temporary folder and its files,
# fields and desktop entry are checked.
add_test(NAME package_contents
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/package_test.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
set_tests_properties(package_contents PROPERTIES TIMEOUT 120)
