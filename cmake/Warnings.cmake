# SPDX-License-Identifier: MIT
# Warning flags for every target of the project.
function(qorl_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
  if(QORL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Sources of a folder, with platform-specific files picked by suffix:
# name_win32.cpp only on Windows, name_posix.cpp everywhere else.
function(qorl_collect_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(WIN32)
    list(FILTER found EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER found EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()
