# The version is written once, in project(VERSION); the program reads it from
# a generated header, through the interface target kolumo_version. The man
# pages, the metainfo and the package take it in KolumoInstall.cmake.
configure_file(${CMAKE_CURRENT_LIST_DIR}/kolumo_version.h.in
               ${PROJECT_BINARY_DIR}/generated/kolumo_version.h @ONLY)
add_library(kolumo_version INTERFACE)
target_include_directories(kolumo_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
