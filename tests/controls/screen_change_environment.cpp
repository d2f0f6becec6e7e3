// One QApplication on two offscreen screens side by side, a plain one and a twice-dense one.
#include "tests/support/qt_application_environment.h"
#include "tests/support/two_offscreen_screens.h"

namespace {

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment(
        "controls_screen_change_tests", [] { UseTwoOffscreenScreens(QStringLiteral("two_screens.json")); }));

} // namespace
