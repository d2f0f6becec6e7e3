# kolumo_add_test(NAME name SOURCES ... LIBRARIES ... [SCREENS plain|dense|plain_and_dense|1.5])
# One GoogleTest program, each of its cases a CTest test of its own. Every
# case runs headless (Qt's offscreen platform, SDL's dummy audio driver), in
# English whatever the desktop speaks, in a scratch folder of its own, so
# cases run in parallel and none touches a real "PREFS.SAV". A Qt program
# names its SCREENS and gets the one QApplication environment: one plain
# screen, one screen scaled by two (or by another factor, such as 1.5), or a
# plain and a twice-dense screen side by side.
function(kolumo_add_test)
  cmake_parse_arguments(T "" "NAME;SCREENS" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  # A test program's files share most of their headers (GoogleTest, Qt):
  # read them once a batch rather than once a file, which halves the
  # sanitizer build's time.
  set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  # A fixture in a file's anonymous namespace is the file's own either way;
  # batched, g++ would take the batch for the file and warn of it.
  target_compile_options(${T_NAME} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} GTest::gtest GTest::gtest_main kolumo_warnings)

  set(platform offscreen)
  set(scale 1)
  if(T_SCREENS)
    target_link_libraries(${T_NAME} PRIVATE kolumo_qt_test_environment)
    if(T_SCREENS STREQUAL "dense")
      set(scale 2)
    elseif(T_SCREENS MATCHES "^[0-9]+\\.[0-9]+$")
      set(scale ${T_SCREENS})
    elseif(T_SCREENS STREQUAL "plain_and_dense")
      set(platform "offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/plain_and_dense_screens.json")
    elseif(NOT T_SCREENS STREQUAL "plain")
      message(FATAL_ERROR "${T_NAME}: SCREENS is plain, dense, plain_and_dense or a scale such as 1.5, not ${T_SCREENS}")
    endif()
  endif()

  set(work_dir ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_work)
  file(MAKE_DIRECTORY ${work_dir})
  # The cases run (and are listed) through env(1) with their environment on
  # the command line: gtest_discover_tests passes only the first variable of
  # an ENVIRONMENT list through to CTest.
  set_property(TARGET ${T_NAME} PROPERTY CROSSCOMPILING_EMULATOR
    env
    "QT_QPA_PLATFORM=${platform}"
    "QT_SCALE_FACTOR=${scale}"
    "SDL_AUDIODRIVER=dummy"
    "LANGUAGE=en"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    sh ${PROJECT_SOURCE_DIR}/tests/support/in_scratch_folder.sh)
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${T_NAME}."
    WORKING_DIRECTORY ${work_dir}
    DISCOVERY_TIMEOUT 60)
endfunction()
