# kolumo_test_support: what the Qt test programs share (their QApplication
# environment, the two offscreen screens). Included by each tests/ part that
# uses it; the first one to be configured defines the library.
if(NOT TARGET kolumo_test_support)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_library(kolumo_test_support STATIC
    ${PROJECT_SOURCE_DIR}/tests/support/qt_application_environment.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/two_offscreen_screens.cpp)
  target_include_directories(kolumo_test_support PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(kolumo_test_support PUBLIC Qt6::Widgets GTest::gtest)
endif()
