# One place for the warnings policy: every target of ours builds clean with these.
function(barvotok_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(BARVOTOK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
