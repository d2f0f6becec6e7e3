# Include roots that hold one folder each, so a layer's code reaches the layers
# beneath it and the compiler refuses the rest.
#
# kolumo_include_root(<target> <folder>) lets <target> and whoever links it
# include "<folder>/<header>.h", and nothing else of the source tree. The root
# is a folder of the build tree with one symbolic link in it, for example
#   build/debug/include/board/board -> <source>/board
# A library linking kolumo_board PUBLIC passes the root on, so the layers see
# those beneath them (engine <- board <- controls <- app) and never one above:
# with the source tree itself on no include path, "app/about_dialog.h" is not
# found from board/. The links cost nothing to build, are remade at every
# configure, and stay out of the installed tree and the package.
function(kolumo_include_root target folder)
  string(REPLACE "/" "_" name ${folder})
  set(root ${PROJECT_BINARY_DIR}/include/${name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  else()
    set(scope PUBLIC)
  endif()
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>)
endfunction()
