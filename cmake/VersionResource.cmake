# SPDX-License-Identifier: MIT
# The Windows version resource (FileVersion = the project's version) for an executable target,
# and with ICON the project's icon as the program's icon (IDI_ICON1, which Qt also gives the
# viewer's windows). Elsewhere there is no resource: ReadVersion takes the build's version instead.
function(qorl_add_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(QORL_RC_FILE_NAME "${target}.exe")
  set(QORL_RC_DESCRIPTION "${description}")
  set(QORL_RC_ICON "")
  if(ARGV2 STREQUAL "ICON")
    set(QORL_RC_ICON "IDI_ICON1 ICON \"${PROJECT_SOURCE_DIR}/packaging/com.halvex.QorlViewer.ico\"")
  endif()
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
