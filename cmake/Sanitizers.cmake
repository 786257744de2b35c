# A second build folder runs the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (see the Makefile's test target).
option(ORVALIA_SANITIZE "Build with ASan and UBSan" OFF)
if(ORVALIA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
