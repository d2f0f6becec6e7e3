# kolumo_add_test(NAME name SOURCES ... LIBRARIES ...)
# One GoogleTest executable; every test in it runs headless: Qt's offscreen
# platform, SDL's dummy audio driver, and a scratch working directory so no
# test touches a real "PREFS.SAV".
function(kolumo_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBRARIES} GTest::gtest GTest::gtest_main)
  set(work_dir ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_work)
  file(MAKE_DIRECTORY ${work_dir})
  # The tests run (and are listed) through env(1) with their environment on
  # the command line: gtest_discover_tests passes only the first variable of
  # an ENVIRONMENT list through to CTest.
  set_property(TARGET ${T_NAME} PROPERTY CROSSCOMPILING_EMULATOR
    env
    "QT_QPA_PLATFORM=offscreen"
    "SDL_AUDIODRIVER=dummy"
    "XDG_RUNTIME_DIR=${work_dir}"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "KOLUMO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${work_dir}
    DISCOVERY_TIMEOUT 60)
endfunction()
