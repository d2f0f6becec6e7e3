// The about box and the help window with the manual built into the program.
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "controls/bitmap_button.h"
#include "engine/player_preferences.h"
#include "engine/puzzle_settings.h"
#include "kolumo_version.h"
#include "tests/support/captions_fit.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
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
                              "music folder", "PREFS.SAV", "GAME.SAV"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(topic))) << topic;
    EXPECT_EQ(HelpWindow::ShowHelp(nullptr), help);
    delete help;
    EXPECT_EQ(HelpWindow::Instance(), nullptr);
}

// The text of a file with every run of white space made one space.
QString PlainText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

TEST(HelpWindowTest, TheManualAndTheManPageStateTheDefaultsAndRangesInForce)
{
    const QString manual = PlainText(QStringLiteral(":/help/kolumo-help.html"));
    const QString manPage = PlainText(QStringLiteral(KOLUMO_MAN_PAGE));
    ASSERT_FALSE(manual.isEmpty());
    ASSERT_FALSE(manPage.isEmpty());
    const PuzzleSettings defaults;
    const PlayerPreferences preferences;
    struct Stated {
        const char* setting;
        SettingChoices choices;
        int32_t usual;
    };
    const Stated table[] = {
        {"No. of Colours", COLOUR_COUNT_CHOICES, defaults.colourCount},
        {"No. of Rows", ROW_COUNT_CHOICES, defaults.rowCount},
        {"Row Width", ROW_WIDTH_CHOICES, defaults.rowWidth},
        {"Minimum to remove each turn", MIN_REMOVE_CHOICES, defaults.minRemove},
        {"Maximum to remove each turn", MAX_REMOVE_CHOICES, defaults.maxRemove},
    };
    for (const Stated& row : table) {
        QString range = QStringLiteral("%1 to %2").arg(row.choices.low).arg(row.choices.high);
        if (row.choices.step != 1)
            range += QStringLiteral(", in steps of %1").arg(row.choices.step);
        const QString line = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                                 .arg(QString::fromLatin1(row.setting), range)
                                 .arg(row.usual);
        EXPECT_TRUE(manual.contains(line)) << line.toStdString();
    }
    for (const int32_t rows : {3, 10}) {
        const QString limit = QStringLiteral("with %1 rows %2 %3")
                                  .arg(rows)
                                  .arg(rows == 3 ? QStringLiteral("it is at most") : QStringLiteral("up to"))
                                  .arg(MostRemovableChoice(rows));
        EXPECT_TRUE(manual.contains(limit)) << limit.toStdString();
    }
    const QString folder = QString::fromStdString(preferences.musicFolder);
    EXPECT_TRUE(manual.contains(QStringLiteral("At first the folder is <tt>%1</tt>").arg(folder)));
    EXPECT_TRUE(manPage.contains(QStringLiteral(".I %1/ the default music folder").arg(folder)));
}

} // namespace
