# Warnings are errors in every target of this project, never in the libraries it uses.
function(project_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  endif()
endfunction()

# The arithmetic is held to more: no silent narrowing, no shadowed names, no float promotion.
function(project_strict_warnings target)
  project_warnings(${target})
  if(NOT MSVC)
    target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion -Wshadow
                                             -Wdouble-promotion)
  endif()
endfunction()
