# The web preset's toolchain: Debian's emscripten, installed by the project's
# own script where it is missing.
set(BARVOTOK_EMSCRIPTEN_TOOLCHAIN /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
if(NOT EXISTS ${BARVOTOK_EMSCRIPTEN_TOOLCHAIN})
  execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/install-web-deps.sh RESULT_VARIABLE installed)
  if(NOT installed EQUAL 0)
    message(FATAL_ERROR "emscripten could not be installed (scripts/install-web-deps.sh)")
  endif()
endif()
include(${BARVOTOK_EMSCRIPTEN_TOOLCHAIN})
