# Warnings on for everything we compile ourselves.
function(orvalia_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
