# Our own code builds warning-free with both compilers. A packager building a
# release with a newer compiler, whose new warnings we have not seen yet, turns
# SKELBOR_WERROR off; development, sanitizer, Windows and CI builds keep it on.
option(SKELBOR_WERROR "Treat warnings in our own code as errors" ON)

function(skelbor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${SKELBOR_WERROR}>:-Werror>
    # Records are written with designated initializers that name only the fields set.
    -Wno-missing-field-initializers)
endfunction()
