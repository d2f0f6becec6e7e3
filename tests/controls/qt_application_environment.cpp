// One QApplication for every test of the controls, made before the first test runs.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "controls_tests";
        static char* argv[] = {name, nullptr};
        application = new QApplication(argc, argv);
    }

    void TearDown() override
    {
        delete application;
        application = nullptr;
    }

private:
    QApplication* application = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
