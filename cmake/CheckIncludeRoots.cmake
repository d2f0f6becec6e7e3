# Fails unless the compiler, given a target's own include path, finds the
# headers beneath the target's layer and refuses the ones above it: the include
# roots of KolumoIncludeRoots.cmake at work, and the proof that putting the
# source tree back on an include path would be noticed.
# Usage: cmake -DCOMPILER=<c++> -DIMPLICIT=<dirs> -DPROBES=<file> -P CheckIncludeRoots.cmake
# PROBES is a script of kolumo_probe(<target> found|refused <header> <include dirs>);
# IMPLICIT, the compiler's own include folders, stay off its command line as
# they do in the build (-I/usr/include would break the C++ headers' #include_next).
set(wrong 0)
set(source ${CMAKE_CURRENT_BINARY_DIR}/include_probe.cpp)
function(kolumo_probe target expected header dirs)
  file(WRITE ${source} "#include \"${header}\"\n")
  if(IMPLICIT)
    list(REMOVE_ITEM dirs ${IMPLICIT})
  endif()
  list(TRANSFORM dirs PREPEND "-I")
  execute_process(
    COMMAND ${COMPILER} -std=c++20 -fPIC -E ${dirs} -o /dev/null ${source}
    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE errors)
  if(failed AND errors MATCHES "${header}: No such file")
    set(got refused)
  elseif(NOT failed)
    set(got found)
  else()
    set(got "an error of another kind:\n${errors}")
  endif()
  if(NOT got STREQUAL expected)
    message("${target}: \"${header}\" should be ${expected}, but was ${got}")
    math(EXPR wrong "${wrong} + 1")
    set(wrong ${wrong} PARENT_SCOPE)
  endif()
endfunction()
include(${PROBES})
file(REMOVE ${source})
if(wrong GREATER 0)
  message(FATAL_ERROR "${wrong} include probes went the wrong way")
endif()
