// What every dialog shares: dialog units, the game's colours and captions that fit.
#include "controls/dialog_colours.h"
#include "controls/dialog_template.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"
#include "tests/support/captions_fit.h"

#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

TEST(DialogUnitsTest, EachEdgeIsScaledAndTruncatedOnItsOwn)
{
    EXPECT_EQ(DialogUnitsToPixels(7, 78, 241, 70), QRect(10, 126, 361, 113));
    EXPECT_EQ(DialogUnitsToPixels(20, 41, 77, 18), QRect(30, 66, 115, 29));
    EXPECT_EQ(DialogUnitsToPixels(0, 0, 255, 213).size(), QSize(382, 346));
    EXPECT_EQ(DialogUnitsToPixels(0, 0, 301, 201).size(), QSize(451, 326));
    EXPECT_EQ(DialogUnitsToPixels(0, 0, 186, 95).size(), QSize(279, 154));
}

TEST(DialogLookTest, EveryCaptionFitsItsControl)
{
    PreferencesDialog preferences;
    ExpectCaptionsFit(preferences);
    PlayOptionsDialog playOptions;
    ExpectCaptionsFit(playOptions);
}

TEST(DialogLookTest, DialogsArePaleYellowWithDarkRedText)
{
    PreferencesDialog preferences;
    EXPECT_EQ(preferences.palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(preferences.palette().color(QPalette::WindowText), QColor(128, 0, 0));
    preferences.show();
    const QImage shown = preferences.grab().toImage();
    EXPECT_EQ(shown.pixelColor(2, 2), QColor(255, 255, 128));
}

TEST(DialogLookTest, OnceInstalledAnyMessageBoxTakesTheGamesColours)
{
    InstallDialogColours(*qApp);
    QMessageBox box;
    box.setText(QStringLiteral("A message"));
    box.show();
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(box.palette().color(QPalette::WindowText), QColor(128, 0, 0));
    box.close();
}

} // namespace
