// The one QApplication of a Qt test program, made before its first test and ended after its last.
#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// Register one from a static initializer in the test program:
//   ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment("my_tests"));
// Qt reads some settings (the scale factor, the offscreen screens) only as
// the application starts: prepare runs just before, to put them in place.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    explicit QtApplicationEnvironment(std::string programName, std::function<void()> prepare = {});

    void SetUp() override;
    void TearDown() override;

private:
    std::string programName;
    std::function<void()> prepare;
    // QApplication keeps argc and argv for its whole life.
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> application;
};
