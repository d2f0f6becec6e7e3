# Fails when a file includes what its folder may not use.
# The layers, each using only those before it: engine <- board <- controls <- app.
# The build refuses most wrong-way includes itself (KolumoIncludeRoots.cmake);
# this pass reads every source and header, so it also judges what the
# compiler cannot: the engine's side (engine/, its tests and benchmarks, fuzz/)
# reaching past the standard library and POSIX for a header a system include
# path finds (<SDL2/SDL.h>, <qstring.h> under a Qt prefix on the path), paths
# that climb out of their folder, and headers no program includes.
#   engine, board, controls, app   the layers up to their own
#   tests/<layer>, bench/<layer>   the same as <layer>; tests of board and up
#                                  also tests/support, never another test folder
#   tests/support                  itself, the engine and the board (it serves
#                                  the tests of the board and up)
#   fuzz                           the engine
#   tools, tests/tools             tools
# A bare "name.h" is the header beside the includer; "kolumo_version.h", made
# by the build, is for the application's side.
# Usage: cmake -DROOT=<source tree> [-DEXPECTED=<file>] -P CheckLayers.cmake
# With EXPECTED the check passes only if what it reports is exactly the lines
# of that file: the proof that each shape of wrong-way include is caught.
set(layers engine board controls app)
set(folders engine board controls app fuzz tools resources)
foreach(layer IN LISTS layers)
  list(APPEND folders tests/${layer} bench/${layer})
endforeach()
list(APPEND folders tests/support tests/tools)

# The C and POSIX headers; the C++ standard headers are the lower-case names
# without an extension.
set(posix aio arpa/inet assert complex cpio ctype dirent dlfcn errno fcntl fenv
    float fmtmsg fnmatch ftw glob grp iconv inttypes iso646 langinfo libgen limits
    locale math monetary mqueue ndbm net/if netdb netinet/in netinet/tcp nl_types
    poll pthread pwd regex sched search semaphore setjmp signal spawn stdarg
    stdbool stddef stdint stdio stdlib string strings sys/[a-z_]+ syslog tar
    termios tgmath time trace ulimit unistd utime utmpx wchar wctype wordexp)
list(JOIN posix "|" posix)
set(standard "^<([a-z_]+|(${posix})\\.h)>$")

set(sources)
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE found RELATIVE ${ROOT} LIST_DIRECTORIES false ${ROOT}/${folder}/*)
  list(FILTER found INCLUDE REGEX "\\.(h|hh|hpp|hxx|inl|c|cc|cpp|cxx)$")
  list(APPEND sources ${found})
endforeach()
list(REMOVE_DUPLICATES sources)
list(SORT sources)

set(caught)
foreach(file IN LISTS sources)
  # What the file's folder may name by path, and its level among the layers.
  get_filename_component(dir ${file} DIRECTORY)
  string(REGEX MATCH "^((tests|bench)/)?[a-z_]+" folder "${file}")
  string(REGEX REPLACE "^(tests|bench)/" "" level "${folder}")
  if(level STREQUAL "fuzz")
    set(level engine)
  endif()
  list(FIND layers "${level}" index)
  set(above)
  if(index GREATER_EQUAL 0)
    math(EXPR count "${index} + 1")
    list(SUBLIST layers 0 ${count} may)
    set(above ${layers})
    list(REMOVE_ITEM above ${may})
    if(folder MATCHES "^tests/" AND index GREATER 0)
      list(APPEND may tests/support)
    endif()
  elseif(folder MATCHES "tools$")
    set(may tools)
  elseif(folder STREQUAL "tests/support")
    set(may engine board tests/support)
  else()
    set(may)
  endif()
  list(TRANSFORM may APPEND "/")
  list(JOIN may "|" may)

  file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "[\"<][^\">]*[\">]" included "${line}")
    string(REGEX REPLACE "^.(.*).$" "\\1" name "${included}")
    string(REGEX MATCH "^[a-z_]+" top "${name}")
    set(why "")
    if(included STREQUAL "")
      set(why "is no file name")
    elseif(name MATCHES "(^|/)\\.\\.(/|$)" OR name MATCHES "^/")
      set(why "climbs out of its folder")
    elseif(name MATCHES "/" AND (included MATCHES "^\"" OR top MATCHES "^(engine|board|controls|app|tests|bench|fuzz|tools|resources)$"))
      if(may STREQUAL "" OR NOT name MATCHES "^(${may})")
        list(FIND above "${top}" upper)
        if(upper GREATER_EQUAL 0)
          set(why "is above ${level}")
        else()
          set(why "is outside what ${folder} may use")
        endif()
      endif()
    elseif(included MATCHES "^\"")
      if(NOT EXISTS ${ROOT}/${dir}/${name}
         AND NOT (name STREQUAL "kolumo_version.h" AND level STREQUAL "app"))
        set(why "is not beside it")
      endif()
    elseif(level STREQUAL "engine" AND NOT included MATCHES "${standard}"
           AND NOT (folder STREQUAL "tests/engine" AND name MATCHES "^(gtest|gmock)/")
           AND NOT (folder STREQUAL "bench/engine" AND name MATCHES "^benchmark/"))
      set(why "is neither the standard library nor POSIX")
    endif()
    if(NOT why STREQUAL "")
      list(APPEND caught "${file} includes ${included}, which ${why}")
    endif()
  endforeach()
endforeach()

foreach(line IN LISTS caught)
  message("${line}")
endforeach()
list(LENGTH caught wrong)
if(DEFINED EXPECTED)
  file(STRINGS ${EXPECTED} expected REGEX "^[^#]")
  if(NOT caught STREQUAL expected)
    list(JOIN expected "\n  " expected)
    message(FATAL_ERROR "The check should have reported exactly:\n  ${expected}")
  endif()
  message("${wrong} wrong-way includes, each one expected")
elseif(wrong GREATER 0)
  message(FATAL_ERROR "${wrong} wrong-way includes")
endif()
