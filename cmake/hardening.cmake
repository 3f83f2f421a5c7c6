# Debian's hardening, as dpkg-buildflags gives it to packages: checked string
# and memory functions where sizes are known, a guard on the stack, and
# relocations resolved and made read-only at start. For the optimised Linux
# builds, whose programs the package ships; the sanitizers and the fuzzer
# bring checks of their own.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT BARVOTOK_SANITIZE AND NOT BARVOTOK_FUZZ)
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2> -fstack-protector-strong)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
