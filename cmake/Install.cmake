# SPDX-License-Identifier: MIT
# cmake --install: the programs in bin/, the help manual in the data folder where the viewer
# looks for it, and on Linux the desktop entry, icon, AppStream metadata and manual pages.
# cpack -G DEB packs the same tree as a Debian package; on Windows cpack writes a ZIP and an
# installer (cmake/WindowsPackage.cmake).
set(QORL_APP_ID com.halvex.QorlViewer)
set(QORL_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
# On Windows everything lies in one folder: the programs, their DLLs, the manual.
set(QORL_PROGRAM_DESTINATION ${CMAKE_INSTALL_BINDIR})
if(WIN32)
  set(QORL_PROGRAM_DESTINATION .)
endif()

if(TARGET qorl)
  install(TARGETS qorl RUNTIME DESTINATION ${QORL_PROGRAM_DESTINATION})
endif()
if(TARGET qorlview)
  install(TARGETS qorlview RUNTIME DESTINATION ${QORL_PROGRAM_DESTINATION})
  if(WIN32)
    install(FILES ${CMAKE_SOURCE_DIR}/docs/help/QORLVIEW.html DESTINATION .)
  else()
    install(FILES ${CMAKE_SOURCE_DIR}/docs/help/QORLVIEW.html
            DESTINATION ${CMAKE_INSTALL_DATADIR}/qorl-viewer)
  endif()
endif()

if(UNIX AND NOT APPLE)
  # Manual page qorl(1) and the Debian changelog are installed compressed, as Debian wants them.
  set(QORL_GZIPPED)
  foreach(source qorl.1 changelog.Debian)
    set(gzipped ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
    add_custom_command(OUTPUT ${gzipped}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
      COMMAND gzip -9n -c ${QORL_PACKAGING_DIR}/${source} > ${gzipped}
      DEPENDS ${QORL_PACKAGING_DIR}/${source} VERBATIM)
    list(APPEND QORL_GZIPPED ${gzipped})
  endforeach()
  add_custom_target(qorl_packaging_files ALL DEPENDS ${QORL_GZIPPED})

  install(FILES ${CMAKE_BINARY_DIR}/packaging/qorl.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${QORL_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qorl-viewer)
  # The Debian changelog only goes into the package (component "debian", see CPack below).
  install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/qorl-viewer COMPONENT debian EXCLUDE_FROM_ALL)
  if(TARGET qorlview)
    # qorlview(1) names the data folder of the prefix it is installed into, so it is written at
    # install time (a folder of its own per prefix: installs may run side by side).
    install(CODE "
      set(QORL_DATA_DIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/qorl-viewer\")
      string(MD5 qorl_prefix_key \"\${CMAKE_INSTALL_PREFIX}\")
      set(qorl_man \"${CMAKE_BINARY_DIR}/packaging/man-\${qorl_prefix_key}\")
      configure_file(\"${QORL_PACKAGING_DIR}/qorlview.1.in\" \"\${qorl_man}/qorlview.1\" @ONLY)
      execute_process(COMMAND gzip -9nf \"\${qorl_man}/qorlview.1\" COMMAND_ERROR_IS_FATAL ANY)
      file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\"
           TYPE FILE FILES \"\${qorl_man}/qorlview.1.gz\")
    ")
    install(FILES ${QORL_PACKAGING_DIR}/${QORL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QORL_PACKAGING_DIR}/${QORL_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 24 32 48 64 128 256)
      install(FILES ${QORL_PACKAGING_DIR}/icons/${QORL_APP_ID}-${size}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
              RENAME ${QORL_APP_ID}.png)
    endforeach()
    install(FILES ${QORL_PACKAGING_DIR}/${QORL_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()
endif()

# The Debian package (cpack -G DEB in the build folder).
set(CPACK_PACKAGE_NAME qorl-viewer)
set(CPACK_PACKAGE_VENDOR Halvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop viewer for the interrupt list")
set(CPACK_PACKAGE_CONTACT "Halvex <qorl-viewer@halvex.com>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS dosbox)
# The long description; CPack puts the summary above it and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Qorl Viewer reads the plain-text list files of the interrupt list
(INTERRUP.LST, PORTS.LST, MEMORY.LST and others), keeps an index beside
each list, shows the topics in a grid narrowed by category, marks up
see-also links and follows them, searches, saves, prints and copies
topics.

The package also holds qorl, a terminal front end over the same library.")
if(NOT WIN32)
  set(CPACK_GENERATOR DEB)
  # The package is installed under /usr through DESTDIR, so that files written at install time
  # (qorlview(1)) name /usr and not the staging folder; it holds the plain install and the
  # Debian changelog.
  set(CPACK_SET_DESTDIR ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_INSTALL_PREFIX /usr)
  set(CPACK_COMPONENTS_ALL Unspecified debian)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
endif()
if(NOT CMAKE_BUILD_TYPE STREQUAL "Release")
  message(STATUS "cpack packages this ${CMAKE_BUILD_TYPE} tree; scripts/package_deb.sh "
                 "builds the release package")
endif()
if(WIN32)
  include(cmake/WindowsPackage.cmake)  # the ZIP and the installer instead
endif()
include(CPack)
