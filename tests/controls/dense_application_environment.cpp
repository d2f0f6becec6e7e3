// One QApplication scaled by two, as on a HiDPI screen, for the dense-screen tests of the controls.
#include "tests/support/qt_application_environment.h"

namespace {

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(
    new QtApplicationEnvironment("controls_dense_tests", [] { qputenv("QT_SCALE_FACTOR", "2"); }));

} // namespace
