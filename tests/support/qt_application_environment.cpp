// The one QApplication of every Qt test program, made before its first test and ended after its last.
#include "tests/support/qt_application_environment.h"

#include <cerrno>

namespace {

constinit QtApplicationEnvironment::Maker chosenMaker = nullptr;

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace

bool QtApplicationEnvironment::MakeApplicationWith(Maker maker)
{
    chosenMaker = maker;
    return true;
}

void QtApplicationEnvironment::SetUp()
{
    argc = 1;
    argv[0] = program_invocation_short_name;
    if (chosenMaker != nullptr)
        application = chosenMaker(argc, argv);
    else
        application = std::make_unique<QApplication>(argc, argv);
    // Tests close windows with no event loop running to end.
    QApplication::setQuitOnLastWindowClosed(false);
}

void QtApplicationEnvironment::TearDown()
{
    application.reset();
}
