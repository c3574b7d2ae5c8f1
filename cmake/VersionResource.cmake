# The Windows version resource (FileVersion = the project's version) for an executable target.
# Elsewhere there is no resource: ReadVersion takes the build's version instead.
function(qorl_add_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(QORL_RC_FILE_NAME "${target}.exe")
  set(QORL_RC_DESCRIPTION "${description}")
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
