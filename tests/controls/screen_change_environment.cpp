// One QApplication on two offscreen screens side by side, a plain one and a twice-dense one.
#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Qt's offscreen platform reads its screens from a file named on the
// platform's command line.
const char SCREENS[] = R"({
  "screens": [
    { "name": "plain", "x": 0, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 1 },
    { "name": "dense", "x": 1000, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 2 }
  ]
})";

class ScreenChangeEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("two_screens.json"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(SCREENS);
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
        static int argc = 1;
        static char name[] = "controls_screen_change_tests";
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
    ::testing::AddGlobalTestEnvironment(new ScreenChangeEnvironment);

} // namespace
