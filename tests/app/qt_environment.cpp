// Creates the Qt application the widget tests need, once per test program.
#include "qt_environment.h"

#include "app/application.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

int argc = 1;
char programName[] = "kolumo_test";
char* argv[] = {programName, nullptr};
std::unique_ptr<Application> application;

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { TestApplication(); }
    void TearDown() override { application.reset(); }
};

[[maybe_unused]] const auto* registered
    = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

Application& TestApplication()
{
    if (!application) {
        application = std::make_unique<Application>(argc, argv);
        // Tests close windows without a running event loop to end.
        Application::setQuitOnLastWindowClosed(false);
    }
    return *application;
}
