// The about box and the help window with the manual built into the program.
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "controls/bitmap_button.h"
#include "kolumo_version.h"
#include "tests/support/captions_fit.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

TEST(AboutDialogTest, ShowsTitleVersionAndItsOkButton)
{
    AboutDialog about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kolumo"));
    EXPECT_EQ(about.size(), QSize(279, 154));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Kolumo Version " KOLUMO_VERSION)));
    ASSERT_NE(about.OkButton(), nullptr);
    EXPECT_EQ(about.OkButton()->pos(), QPoint(103, 120));
    EXPECT_EQ(about.OkButton()->size(), QSize(80, 30));
}

TEST(AboutDialogTest, EveryCaptionFitsItsControl)
{
    AboutDialog about;
    ExpectCaptionsFit(about);
}

TEST(AboutDialogTest, ClosesWithEnterEscapeOrOk)
{
    for (int way = 0; way < 3; ++way) {
        AboutDialog about;
        about.show();
        if (way == 0)
            QTest::keyClick(about.OkButton(), Qt::Key_Return);
        else if (way == 1)
            QTest::keyClick(&about, Qt::Key_Escape);
        else
            about.OkButton()->click();
        EXPECT_FALSE(about.isVisible()) << way;
    }
}

TEST(HelpWindowTest, TheManualIsBuiltInAndOpensFromAnyFolder)
{
    QTemporaryDir elsewhere;
    const QString home = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    HelpWindow* help = HelpWindow::ShowHelp(nullptr);
    QDir::setCurrent(home);
    ASSERT_NE(help, nullptr);
    const QString text = help->Browser()->toPlainText();
    for (const char* topic : {"Making a move", "Solve", "Ironman", "Preferences", "Play options",
                              "music folder", "PREFS.SAV"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
    EXPECT_EQ(HelpWindow::ShowHelp(nullptr), help);
    delete help;
    EXPECT_EQ(HelpWindow::Instance(), nullptr);
}

} // namespace
