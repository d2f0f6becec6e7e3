// The one QApplication of a Qt test program, made before its first test and ended after its last.
#include "tests/support/qt_application_environment.h"

#include <utility>

QtApplicationEnvironment::QtApplicationEnvironment(std::string programName, std::function<void()> prepare)
    : programName(std::move(programName))
    , prepare(std::move(prepare))
{
}

void QtApplicationEnvironment::SetUp()
{
    if (prepare)
        prepare();
    argc = 1;
    argv[0] = programName.data();
    application = std::make_unique<QApplication>(argc, argv);
}

void QtApplicationEnvironment::TearDown()
{
    application.reset();
}
