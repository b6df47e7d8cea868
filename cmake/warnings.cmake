# Our own code builds warning-free with both compilers.
function(skelbor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    # Records are written with designated initializers that name only the fields set.
    -Wno-missing-field-initializers)
endfunction()
