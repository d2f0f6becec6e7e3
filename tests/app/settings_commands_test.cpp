// The preferences and play options commands, with the dialogs answered as a
// player would: OK applies, Cancel leaves the game alone.
#include "app/game_main_window.h"
#include "app_test_support.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs answer on the dialog once it is open and running its modal loop.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

class SettingsCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = ShowNewWindow();
        TickUntilIdle(window->boardView);
    }

    ScratchDirectory scratch;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(SettingsCommandsTest, PlayOptionsWithTheSameValuesLeaveTheGameAlone)
{
    ClickBlocks(window->boardView, FirstSolutionMove(window->puzzle));
    window->OnCommit();
    TickUntilIdle(window->boardView);
    const MoveList solution = window->puzzle.solution;
    WhenOpen<PlayOptionsDialog>([](PlayOptionsDialog& dialog) { dialog.accept(); });
    window->OnPlayOptions();
    EXPECT_EQ(window->puzzle.solution, solution);
    EXPECT_EQ(MovesMade(window->puzzle), 1);
    EXPECT_TRUE(window->focusButton.hasFocus() || !window->isActiveWindow());
}

TEST_F(SettingsCommandsTest, PlayOptionsWithAChangeStartANewGameAtOnce)
{
    window->ironman = true;
    WhenOpen<PlayOptionsDialog>([](PlayOptionsDialog& dialog) {
        dialog.RowsPicker().SetValue(4);
        dialog.RowWidthPicker().SetValue(8);
        dialog.accept();
    });
    window->OnPlayOptions();
    EXPECT_EQ(window->puzzle.settings.rowCount, 4);
    EXPECT_EQ(window->puzzle.settings.rowWidth, 8);
    EXPECT_TRUE(window->puzzle.history.empty());
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("---"))
        << "a new game takes the Ironman preference";
    ColourCounters counters{};
    const int32_t blocks = CountBlocks(window->puzzle.rows, 4, counters);
    EXPECT_GT(blocks, 3 * 8) << "the board is not the new one";
    EXPECT_LE(blocks, 4 * 8);
}

TEST_F(SettingsCommandsTest, PlayOptionsCancelledChangeNothing)
{
    const PuzzleSettings before = window->puzzle.settings;
    const MoveList solution = window->puzzle.solution;
    WhenOpen<PlayOptionsDialog>([](PlayOptionsDialog& dialog) {
        dialog.RowsPicker().SetValue(6);
        dialog.reject();
    });
    window->OnPlayOptions();
    EXPECT_EQ(window->puzzle.settings, before);
    EXPECT_EQ(window->puzzle.solution, solution);
}

TEST_F(SettingsCommandsTest, PreferencesAppliedOnOkButIronmanWaitsForNew)
{
    WhenOpen<PreferencesDialog>([](PreferencesDialog& dialog) {
        dialog.CheckBox(PreferencesDialog::IRONMAN_ID)->setChecked(true);
        dialog.CheckBox(PreferencesDialog::MUSIC_ID)->setChecked(false);
        dialog.CheckBox(PreferencesDialog::SOUND_EFFECTS_ID)->setChecked(false);
        dialog.accept();
    });
    window->OnPreferences();
    EXPECT_TRUE(window->ironman);
    EXPECT_FALSE(window->gameIronman);
    EXPECT_EQ(window->solveButton.text(), QStringLiteral("Solve"));
    EXPECT_FALSE(window->music);
    EXPECT_FALSE(window->musicPlayer.music);
    EXPECT_FALSE(window->boardView.Preferences().soundEffects);
}

TEST_F(SettingsCommandsTest, PreferencesCancelledKeepAFolderChosenMeanwhile)
{
    WhenOpen<PreferencesDialog>([this](PreferencesDialog& dialog) {
        // What the folder button does once the player has picked a file.
        window->musicPlayer.TakeFolderOf(QStringLiteral("/new/place/tune.mid"));
        dialog.CheckBox(PreferencesDialog::MUSIC_ID)->setChecked(false);
        dialog.reject();
    });
    window->OnPreferences();
    EXPECT_EQ(window->musicPlayer.musicFolder, "/new/place");
    EXPECT_TRUE(window->music);
    EXPECT_TRUE(window->musicPlayer.music);
}

} // namespace
