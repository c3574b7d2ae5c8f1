# SPDX-License-Identifier: MIT
# The Windows package (cpack in a MinGW build folder): one folder holding qorlview.exe and
# qorl.exe, the Qt DLLs and plugins the viewer loads, the MinGW runtime DLLs, the help manual and
# the licence, written as a portable ZIP and as an NSIS installer. Qt finds its plugins in the
# program's folder (platforms/, styles/), so no qt.conf is needed.
if(TARGET qorlview)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport
          RUNTIME DESTINATION .)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
          LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
  if(TARGET Qt6::QWindowsVistaStylePlugin)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
            LIBRARY DESTINATION styles RUNTIME DESTINATION styles)
  endif()
  install(FILES ${QORL_MINGW_RUNTIME_DLLS} DESTINATION .)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
else()
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/packaging/copyright)
endif()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME qorl-viewer-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Qorl Viewer")
# The installer's own key under Software\Halvex. The uninstaller deletes it with everything
# below, so it must not be the viewer's settings key ("Qorl Viewer", with one sub-key per major
# version).
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Qorl Viewer Setup")
set(CPACK_PACKAGE_EXECUTABLES qorlview "Qorl Viewer")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MENU_LINKS QORLVIEW.html "Qorl Viewer Help")
set(CPACK_NSIS_PACKAGE_NAME "Qorl Viewer ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(CPACK_NSIS_DISPLAY_NAME "Qorl Viewer ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME qorlview.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/packaging/com.halvex.QorlViewer.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/packaging/com.halvex.QorlViewer.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# CMake's installer script asks for administrator rights and installs for all users. Derived
# from it here: a 64-bit installer that runs with the user's own rights, installs for that user
# into %LOCALAPPDATA%\Programs (Start menu and uninstall entry in the user's part), and for all
# users into Program Files when started as administrator.
set(nsis_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
if(EXISTS ${nsis_template})
  file(READ ${nsis_template} script)
  set(edits
    "RequestExecutionLevel admin" "Target amd64-unicode\n  RequestExecutionLevel user"
    "$DOCUMENTS\\@CPACK_PACKAGE_INSTALL_DIRECTORY@"
    "$LOCALAPPDATA\\Programs\\@CPACK_PACKAGE_INSTALL_DIRECTORY@")
  set(complete TRUE)
  while(edits)
    list(POP_FRONT edits from to)
    string(FIND "${script}" "${from}" at)
    if(at EQUAL -1)
      set(complete FALSE)
    endif()
    string(REPLACE "${from}" "${to}" script "${script}")
  endwhile()
  if(complete)
    file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${script}")
    list(PREPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
  else()
    message(WARNING "CMake's NSIS script has changed: the installer asks for administrator rights")
  endif()
endif()
