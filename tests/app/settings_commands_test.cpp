// The preferences and play options commands, their dialogs answered with OK or Cancel.
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
        TickUntilIdle(window->Board());
    }

    ScratchDirectory scratch;
    std::unique_ptr<GameMainWindow> window;
};

TEST_F(SettingsCommandsTest, PlayOptionsWithTheSameValuesLeaveTheGameAlone)
{
    ClickBlocks(window->Board(), FirstSolutionMove(window->GamePuzzle()));
    window->OnCommit();
    TickUntilIdle(window->Board());
    const MoveList solution = window->GamePuzzle().Solution();
    window->CommandButton(ID_OPTIONS).setFocus();
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
    EXPECT_FALSE(window->Music().music);
    EXPECT_FALSE(window->Board().MusicOn());
    EXPECT_FALSE(window->Board().Preferences().soundEffects);
}

TEST_F(SettingsCommandsTest, PreferencesCancelledKeepAFolderChosenMeanwhile)
{
    WhenOpen<PreferencesDialog>([this](PreferencesDialog& dialog) {
        // What the folder button does once the player has picked a file.
        window->Music().TakeFolderOf(QStringLiteral("/new/place/tune.mid"));
        dialog.CheckBox(PreferencesDialog::MUSIC_ID)->setChecked(false);
        dialog.reject();
    });
    window->OnPreferences();
    EXPECT_EQ(window->Music().musicFolder, "/new/place");
    EXPECT_TRUE(window->MusicOn());
    EXPECT_TRUE(window->Music().music);
}

} // namespace
