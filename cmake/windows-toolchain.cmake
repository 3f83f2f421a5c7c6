# The windows preset's toolchain: Debian's MinGW-w64 cross compiler (its
# POSIX-threads flavour, whose C++ library has std::mutex), installed by the
# project's own script where it is missing. The programs are linked
# statically, so the .exe needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BARVOTOK_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(BARVOTOK_MINGW_FOUND ${BARVOTOK_MINGW_CXX})
if(NOT BARVOTOK_MINGW_FOUND)
  execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/install-windows-deps.sh RESULT_VARIABLE installed)
  if(NOT installed EQUAL 0)
    message(FATAL_ERROR "MinGW-w64 could not be installed (scripts/install-windows-deps.sh)")
  endif()
endif()
set(CMAKE_CXX_COMPILER ${BARVOTOK_MINGW_CXX})
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
