// The one QApplication of every Qt test program, made before its first test and ended after its last.
#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

// Every Qt test program links this environment and it registers itself.
// The screens it runs on are set in the program's environment before it
// starts (kolumo_add_test's SCREENS): Qt reads the scale factor and the
// offscreen platform's screen layout only as the application starts.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    using Maker = std::unique_ptr<QApplication> (*)(int& argc, char** argv);

    // A program whose tests need a subclass of QApplication names its maker
    // from a static initializer; the result lets the call stand there.
    static bool MakeApplicationWith(Maker maker);

    void SetUp() override;
    void TearDown() override;

private:
    // QApplication keeps argc and argv for its whole life.
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> application;
};
