# The asan preset turns this on: AddressSanitizer and UndefinedBehaviorSanitizer,
# aborting at the first finding so that no report can be missed.
option(BARVOTOK_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(BARVOTOK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz preset (clang only): everything is instrumented for libFuzzer's
# coverage and built with the same sanitizers; fuzz/ links the fuzzer itself.
option(BARVOTOK_FUZZ "Build the libFuzzer targets in fuzz/ (clang)" OFF)
if(BARVOTOK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
