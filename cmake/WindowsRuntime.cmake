# SPDX-License-Identifier: MIT
# How MinGW programs get the compiler's runtime (libstdc++, libgcc, winpthread).
# Programs without Qt link it statically: one .exe that runs on its own (qorl.exe, the core
# tests). Programs with Qt load the runtime DLLs the Qt DLLs are linked against, so that one C++
# runtime (exception handling, locales, thread-local state) serves the whole process; a static
# copy in the .exe would sit beside the DLLs' copy. qorl_qt_program(target) marks such a program,
# and the Windows package ships those DLLs (QORL_MINGW_RUNTIME_DLLS).
if(MINGW)
  add_link_options("$<$<NOT:$<BOOL:$<TARGET_PROPERTY:QORL_QT_PROGRAM>>>:-static>")
  set(QORL_MINGW_RUNTIME_DLLS)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(IS_ABSOLUTE "${path}" AND EXISTS "${path}")
      get_filename_component(path "${path}" REALPATH)
      list(APPEND QORL_MINGW_RUNTIME_DLLS "${path}")
    endif()
  endforeach()
endif()

function(qorl_qt_program target)
  set_target_properties(${target} PROPERTIES QORL_QT_PROGRAM ON)
endfunction()
