// One QApplication for every test of the controls, made before the first test runs.
#include "tests/support/qt_application_environment.h"

namespace {

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment("controls_tests"));

} // namespace
