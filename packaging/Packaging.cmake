# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and packages.
#
# The program finds its sound module and its "system" folder (sounds, optional button pictures)
# beside its own file, so the executable, the module and that folder are installed together in a
# private program folder, and the usual bin/ folder only gets a relative link to the executable. The program resolves the link
# to its real place, so it finds its files however it is started.

include(GNUInstallDirs)

set(MARVANE_APP_ID "com.example.Marvane")
set(MARVANE_INSTALL_PROGRAMDIR "lib/marvane" CACHE STRING
    "Folder, relative to the install prefix, that holds the program and its system folder")
set(MARVANE_SCREENSHOT_URL "" CACHE STRING
    "Web address of a screenshot for the AppStream metadata (left out when empty)")

set(_marvane_sounds Ok.wav Full.wav Bad.wav Won.wav)
list(TRANSFORM _marvane_sounds PREPEND ${MARVANE_OUTPUT_DIR}/system/)
# The system folder also holds the learned evaluation's weights (analysis/weights).
set(_marvane_system_files ${_marvane_sounds} ${MARVANE_OUTPUT_DIR}/system/evaluation.bin)

set(_marvane_pkg_dir ${CMAKE_BINARY_DIR}/packaging)
if(NOT CMAKE_CROSSCOMPILING)  # else imported from MARVANE_HOST_TOOLS
  add_executable(marvane_makeicons ${CMAKE_CURRENT_LIST_DIR}/makeicons.cpp)
  set_target_properties(marvane_makeicons PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${_marvane_pkg_dir} AUTOMOC OFF)
  target_link_libraries(marvane_makeicons PRIVATE marvane_art)
endif()

if(WIN32)
  # The icon that Explorer, the Start menu and the installer show, compiled into the program.
  set(MARVANE_ICO ${_marvane_pkg_dir}/marvane.ico)
  add_custom_command(
    OUTPUT ${MARVANE_ICO}
    COMMAND marvane_makeicons --ico ${MARVANE_ICO}
    DEPENDS marvane_makeicons
    COMMENT "Drawing the program's icon"
    VERBATIM)
  add_custom_target(marvane_ico DEPENDS ${MARVANE_ICO})
  file(WRITE ${_marvane_pkg_dir}/marvane_icon.rc "1 ICON \"${MARVANE_ICO}\"\n")
  target_sources(marvane PRIVATE ${_marvane_pkg_dir}/marvane_icon.rc)
  set_source_files_properties(${_marvane_pkg_dir}/marvane_icon.rc TARGET_DIRECTORY marvane
                              PROPERTIES OBJECT_DEPENDS ${MARVANE_ICO})
  add_dependencies(marvane marvane_ico)
endif()

if(WIN32 OR APPLE)
  # There the program folder is simply bin/; the desktop files and the package below are for
  # Linux desktops.
  install(TARGETS marvane marvane_gtp_engine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS marvane_soundengine LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_marvane_system_files} DESTINATION ${CMAKE_INSTALL_BINDIR}/system)
  return()
endif()

install(TARGETS marvane marvane_gtp_engine RUNTIME DESTINATION ${MARVANE_INSTALL_PROGRAMDIR})
# The program loads its sound module from its own folder.
install(TARGETS marvane_soundengine LIBRARY DESTINATION ${MARVANE_INSTALL_PROGRAMDIR})
install(FILES ${_marvane_system_files} DESTINATION ${MARVANE_INSTALL_PROGRAMDIR}/system)

# A relative link keeps the tree relocatable: a staged package or a copied prefix still works.
file(RELATIVE_PATH _marvane_link_target /${CMAKE_INSTALL_BINDIR} /${MARVANE_INSTALL_PROGRAMDIR})
string(APPEND _marvane_link_target /$<TARGET_FILE_NAME:marvane>)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/marvane\")
  message(STATUS \"Installing: \${link} -> ${_marvane_link_target}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"${_marvane_link_target}\" \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
")
# The text engine gets the same link: it too finds the system folder (the learned evaluation)
# beside its real file.
file(RELATIVE_PATH _marvane_engine_link_target /${CMAKE_INSTALL_BINDIR} /${MARVANE_INSTALL_PROGRAMDIR})
string(APPEND _marvane_engine_link_target /$<TARGET_FILE_NAME:marvane_gtp_engine>)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/marvane-engine\")
  message(STATUS \"Installing: \${link} -> ${_marvane_engine_link_target}\")
  file(CREATE_LINK \"${_marvane_engine_link_target}\" \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")
")

# Desktop integration: the launcher entry, the icon in every size the program draws it at plus a
# scalable one, and the AppStream description that software centres show.
add_custom_command(
  OUTPUT ${_marvane_pkg_dir}/icons.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_marvane_pkg_dir}/hicolor
  COMMAND marvane_makeicons ${_marvane_pkg_dir}/hicolor ${MARVANE_APP_ID}
  COMMAND ${CMAKE_COMMAND} -E touch ${_marvane_pkg_dir}/icons.stamp
  DEPENDS marvane_makeicons
  COMMENT "Drawing the application icons"
  VERBATIM)
add_custom_target(marvane_icons ALL DEPENDS ${_marvane_pkg_dir}/icons.stamp)

set(MARVANE_SCREENSHOTS_XML "")
if(MARVANE_SCREENSHOT_URL)
  string(CONCAT MARVANE_SCREENSHOTS_XML
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>A game against the computer</caption>\n"
    "      <image>${MARVANE_SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/${MARVANE_APP_ID}.metainfo.xml.in
               ${_marvane_pkg_dir}/${MARVANE_APP_ID}.metainfo.xml @ONLY)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MARVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_marvane_pkg_dir}/${MARVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_marvane_pkg_dir}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MARVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The licence's text goes with every copy.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/marvane)

# The Debian package. Library dependencies come from dpkg-shlibdeps; what it cannot see is
# listed: the faces the program puts in place of its classic fonts, and an audio server.
set(CPACK_PACKAGE_NAME marvane)
set(CPACK_PACKAGE_VENDOR "Corvath Solutions")
set(CPACK_PACKAGE_CONTACT "Corvath Solutions <${MARVANE_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${MARVANE_WEB_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game of counters that close off and turn lines")
set(CPACK_PACKAGE_DESCRIPTION
    "Marvane is a board game for two people at one mouse, or for one person against\n"
    "the computer at the Easy or Hard level. Each counter placed on the\n"
    "eight-by-eight board must close off a straight line of the other colour, and\n"
    "the counters so closed off turn to the mover's colour. The computer can also\n"
    "play both sides.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-cabin, fonts-league-spartan, fonts-lobstertwo, fonts-dancingscript, qt6-translations-l10n")
# Sound needs a PulseAudio-compatible server; links open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, xdg-utils")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackProjectConfig.cmake)
# A package must not stop the program at a broken precondition; CPackProjectConfig.cmake refuses
# a build that would.
if(MARVANE_CHECKS OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  set(CPACK_MARVANE_CHECKS ON)
else()
  set(CPACK_MARVANE_CHECKS OFF)
endif()

include(CPack)

if(BUILD_TESTING)
  add_test(NAME packaging_install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DSTAGE=${_marvane_pkg_dir}/install-check -DPROGRAMDIR=${MARVANE_INSTALL_PROGRAMDIR}
                   -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR}
                   -DAPP_ID=${MARVANE_APP_ID} -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)
  # The validators are optional tools; without them these checks are not registered.
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging_desktop_entry
             COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_CURRENT_LIST_DIR}/${MARVANE_APP_ID}.desktop)
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME packaging_metainfo
             COMMAND ${APPSTREAMCLI} validate --no-net
                     ${_marvane_pkg_dir}/${MARVANE_APP_ID}.metainfo.xml)
  endif()
endif()
