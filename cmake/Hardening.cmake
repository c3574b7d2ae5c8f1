# SPDX-License-Identifier: MIT
# The hardening Debian builds its packages with (dpkg-buildflags, hardening=+all): stack
# protector and clash protection, control-flow protection, fortified library calls where the
# code is optimised, format-string checks, and read-only relocations bound at start-up.
# Programs are position independent already (the compiler's default on Debian; Qt needs -fPIC).
option(QORL_HARDENING "Build with the distribution's hardening flags" ON)

if(QORL_HARDENING AND NOT WIN32 AND NOT QORL_SANITIZE
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
                      -Werror=format-security)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
    add_compile_options(-fcf-protection)
  endif()
  # _FORTIFY_SOURCE needs optimisation (glibc warns without it, an error with -Werror).
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
