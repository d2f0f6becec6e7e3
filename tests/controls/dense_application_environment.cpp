// One QApplication scaled by two, as on a HiDPI screen, for the dense-screen tests of the controls.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class DenseApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // Qt reads the scale once, as the application starts.
        qputenv("QT_SCALE_FACTOR", "2");
        static int argc = 1;
        static char name[] = "controls_dense_tests";
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
    ::testing::AddGlobalTestEnvironment(new DenseApplicationEnvironment);

} // namespace
