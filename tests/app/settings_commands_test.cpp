// The preferences and play options commands, their dialogs answered with OK or Cancel.
#include "app/game_main_window.h"
#include "app_test_support.h"
#include "controls/bitmap_button.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class SettingsCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = ShowNewWindow(clock);
        TickUntilIdle(*window, clock);
    }

    ScratchDirectory scratch;
    // The board's clock, fired by the test.
    HandClock* clock = nullptr;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(SettingsCommandsTest, PlayOptionsWithTheSameValuesLeaveTheGameAlone)
{
    ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
    window->OnCommit();
    TickUntilIdle(*window, clock);
    const MoveList solution = window->GamePuzzle().Solution();
    TabTo(*window, window->CommandButton(ID_OPTIONS));
    WhenOpen<PlayOptionsDialog>([](PlayOptionsDialog& dialog) { dialog.accept(); });
    window->OnPlayOptions();
    EXPECT_EQ(window->GamePuzzle().Solution(), solution);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 1);
    // The window's own focus child, whether or not it is active again yet.
    EXPECT_EQ(window->focusWidget(), &window->FocusButton());
}

TEST_F(SettingsCommandsTest, PlayOptionsWithAChangeStartANewGameAtOnce)
{
    ChooseIronman(*window, true);
    WhenOpen<PlayOptionsDialog>([](PlayOptionsDialog& dialog) {
        dialog.RowsPicker().SetValue(4);
        dialog.RowWidthPicker().SetValue(8);
        dialog.accept();
    });
    window->OnPlayOptions();
    EXPECT_EQ(window->GamePuzzle().Settings().rowCount, 4);
    EXPECT_EQ(window->GamePuzzle().Settings().rowWidth, 8);
    EXPECT_TRUE(window->GamePuzzle().History().empty());
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("---"))
        << "a new game takes the Ironman preference";
    ColourCounters counters{};
    const int32_t blocks = CountBlocks(window->GamePuzzle().Rows(), 4, counters);
    EXPECT_GT(blocks, 3 * 8) << "the board is not the new one";
    EXPECT_LE(blocks, 4 * 8);
}

TEST_F(SettingsCommandsTest, PlayOptionsCancelledChangeNothing)
{
    const PuzzleSettings before = window->GamePuzzle().Settings();
    const MoveList solution = window->GamePuzzle().Solution();
    WhenOpen<PlayOptionsDialog>([](PlayOptionsDialog& dialog) {
        dialog.RowsPicker().SetValue(6);
        dialog.reject();
    });
    window->OnPlayOptions();
    EXPECT_EQ(window->GamePuzzle().Settings(), before);
    EXPECT_EQ(window->GamePuzzle().Solution(), solution);
}

TEST_F(SettingsCommandsTest, PreferencesAppliedOnOkButIronmanWaitsForNew)
{
    ASSERT_TRUE(window->Board().MusicOn());
    WhenOpen<PreferencesDialog>([](PreferencesDialog& dialog) {
        dialog.CheckBox(PreferencesDialog::IRONMAN_ID)->setChecked(true);
        dialog.CheckBox(PreferencesDialog::MUSIC_ID)->setChecked(false);
        dialog.CheckBox(PreferencesDialog::SOUND_EFFECTS_ID)->setChecked(false);
        dialog.accept();
    });
    window->OnPreferences();
    EXPECT_TRUE(window->Ironman());
    EXPECT_FALSE(window->GameIronman());
    EXPECT_EQ(window->CommandButton(ID_SOLVE).text(), QStringLiteral("Solve"));
    EXPECT_FALSE(window->MusicOn());
    EXPECT_FALSE(window->Music().Music());
    EXPECT_FALSE(window->Board().MusicOn());
    EXPECT_FALSE(window->Board().Preferences().soundEffects);
}

TEST_F(SettingsCommandsTest, PreferencesCancelledKeepAFolderChosenMeanwhile)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("new place")));
    const QString tune = QDir::current().absoluteFilePath(QStringLiteral("new place/tune.mid"));
    QFile file(tune);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    WhenOpen<PreferencesDialog>([tune](PreferencesDialog& dialog) {
        WhenOpen<QFileDialog>([tune](QFileDialog& files) {
            files.selectFile(tune);
            QTest::keyClick(&files, Qt::Key_Return);
        });
        dialog.Button(PreferencesDialog::MUSIC_FOLDER_ID)->click();
        dialog.CheckBox(PreferencesDialog::MUSIC_ID)->setChecked(false);
        dialog.reject();
    });
    window->OnPreferences();
    const std::string folder = QFile::encodeName(QFileInfo(tune).absolutePath()).toStdString();
    EXPECT_EQ(window->Music().MusicFolder(), folder);
    EXPECT_EQ(window->Preferences().musicFolder, folder);
    EXPECT_TRUE(window->MusicOn());
    EXPECT_TRUE(window->Music().Music());
}

} // namespace
