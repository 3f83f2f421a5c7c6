# The asan preset turns this on: AddressSanitizer and UndefinedBehaviorSanitizer,
# aborting at the first finding so that no report can be missed.
option(BARVOTOK_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(BARVOTOK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
