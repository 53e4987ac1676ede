# Warnings are errors in every target of this project, never in the libraries it uses.
function(project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# The arithmetic is held to more: no silent narrowing, no shadowed names, no float promotion.
function(project_strict_warnings target)
  project_warnings(${target})
  target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion -Wshadow
                                           -Wdouble-promotion)
endfunction()
