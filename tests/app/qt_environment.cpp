// The app's test programs run on the game's own Application, made by the shared Qt test environment.
#include "qt_environment.h"

#include "app/application.h"
#include "tests/support/qt_application_environment.h"

namespace {

[[maybe_unused]] const bool madeByTheEnvironment = QtApplicationEnvironment::MakeApplicationWith(
    [](int& argc, char** argv) -> std::unique_ptr<QApplication> { return std::make_unique<Application>(argc, argv); });

} // namespace

Application& TestApplication()
{
    auto* application = qobject_cast<Application*>(QCoreApplication::instance());
    EXPECT_NE(application, nullptr) << "the test environment makes no Application";
    return *application;
}
