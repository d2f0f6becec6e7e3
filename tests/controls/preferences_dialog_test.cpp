// The preferences dialog: its template, filling it, Default, OK and Cancel.
#include "controls/bitmap_button.h"
#include "controls/colour_panel.h"
#include "controls/dialog_template.h"
#include "controls/preferences_dialog.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::array<ColourValue, 10> DefaultColours()
{
    return PlayerPreferences{}.blockColours;
}

class PreferencesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PlayerPreferences shown;
        shown.soundEffects = false;
        shown.ironman = true;
        shown.antiAliasing = false;
        shown.music = false;
        for (size_t k = 0; k < 10; ++k)
            shown.blockColours[k] = MakeColour(10 * static_cast<int>(k), 1, 2);
        original = shown.blockColours;
        dialog.SetPreferences(shown);
        dialog.show();
    }

    void ExpectUnchanged()
    {
        EXPECT_FALSE(dialog.Preferences().soundEffects);
        EXPECT_TRUE(dialog.Preferences().ironman);
        EXPECT_FALSE(dialog.Preferences().antiAliasing);
        EXPECT_FALSE(dialog.Preferences().music);
        EXPECT_EQ(dialog.Preferences().blockColours, original);
    }

    PreferencesDialog dialog;
    std::array<ColourValue, 10> original{};
};

TEST_F(PreferencesDialogTest, TheTemplateGivesTitleSizeCaptionsAndPanelPlace)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kolumo - Preferences"));
    EXPECT_EQ(dialog.size(), QSize(382, 346));
    EXPECT_EQ(dialog.CheckBox(1001)->text(), QStringLiteral("Sound effects?"));
    EXPECT_EQ(dialog.CheckBox(1004)->text(),
              QStringLiteral("Ironman (starting with next game, will not auto-solve) ?"));
    EXPECT_EQ(dialog.CheckBox(1014)->text(), QStringLiteral("Music?"));
    EXPECT_EQ(dialog.CheckBox(1005)->text(), QStringLiteral("Anti-aliasing (smoother numbers and symbols) ?"));
    EXPECT_EQ(dialog.Panel().geometry(), QRect(10, 126, 361, 113));
    EXPECT_EQ(ControlId(&dialog.Panel()), ColourPanel::PANEL_ID);
    EXPECT_EQ(dialog.Button(1016)->text(), QStringLiteral("IDB_SETMUSIC"));
}

TEST_F(PreferencesDialogTest, ScreenReadersHearButtonsAndBoxesByTheirCaptions)
{
    struct Spoken {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
    };
    const Spoken table[] = {
        {dialog.Button(1), QAccessible::Button, "OK"},
        {dialog.Button(2), QAccessible::Button, "Cancel"},
        {dialog.Button(PreferencesDialog::DEFAULT_ID), QAccessible::Button, "Default"},
        {dialog.Button(PreferencesDialog::MUSIC_FOLDER_ID), QAccessible::Button, "Set Music Dir"},
        {dialog.CheckBox(1001), QAccessible::CheckBox, "Sound effects?"},
        {dialog.CheckBox(1004), QAccessible::CheckBox, "Ironman (starting with next game, will not auto-solve) ?"},
        {dialog.CheckBox(1014), QAccessible::CheckBox, "Music?"},
        {dialog.CheckBox(1005), QAccessible::CheckBox, "Anti-aliasing (smoother numbers and symbols) ?"},
        {&dialog.Panel().swatches[0], QAccessible::Button, "Colour 1: black"},
    };
    for (const Spoken& row : table) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(row.widget);
        ASSERT_NE(spoken, nullptr) << row.name;
        EXPECT_EQ(spoken->role(), row.role) << row.name;
        EXPECT_EQ(spoken->text(QAccessible::Name), QString::fromLatin1(row.name));
    }
}

TEST_F(PreferencesDialogTest, TabOrderFollowsTheTemplate)
{
    const int expected[] = {1, 2, 1001, 1003, 1004, 1014, 1016, 1005};
    QWidget* widget = dialog.Button(1);
    for (int id : expected) {
        EXPECT_EQ(ControlId(widget), id);
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus));
    }
}

TEST_F(PreferencesDialogTest, OpeningShowsTheFlagsAndColoursAsFilledIn)
{
    EXPECT_FALSE(dialog.CheckBox(1001)->isChecked());
    EXPECT_TRUE(dialog.CheckBox(1004)->isChecked());
    EXPECT_FALSE(dialog.CheckBox(1005)->isChecked());
    EXPECT_FALSE(dialog.CheckBox(1014)->isChecked());
    for (size_t k = 0; k < 10; ++k)
        EXPECT_EQ(dialog.Panel().swatches[k].face, original[k]);
}

TEST_F(PreferencesDialogTest, DefaultThenCancelChangesNothing)
{
    dialog.OnDefault();
    EXPECT_TRUE(dialog.CheckBox(1001)->isChecked());
    EXPECT_EQ(dialog.Panel().swatches[0].face, DefaultColours()[0]);
    dialog.Button(2)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ExpectUnchanged();
}

TEST_F(PreferencesDialogTest, DefaultThenOkRestoresTheDefaults)
{
    dialog.Button(PreferencesDialog::DEFAULT_ID)->click();
    dialog.Button(1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Preferences().soundEffects);
    EXPECT_FALSE(dialog.Preferences().ironman);
    EXPECT_TRUE(dialog.Preferences().antiAliasing);
    EXPECT_TRUE(dialog.Preferences().music);
    EXPECT_EQ(dialog.Preferences().blockColours, DefaultColours());
}

TEST_F(PreferencesDialogTest, OkReadsTheBoxesAndTheSwatches)
{
    dialog.CheckBox(1014)->click();
    dialog.Panel().swatches[4].face = MakeColour(1, 2, 3);
    dialog.accept();
    EXPECT_TRUE(dialog.Preferences().music);
    EXPECT_FALSE(dialog.Preferences().soundEffects);
    EXPECT_EQ(dialog.Preferences().blockColours[4], MakeColour(1, 2, 3));
}

TEST_F(PreferencesDialogTest, EscapeIsCancel)
{
    dialog.CheckBox(1001)->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ExpectUnchanged();
}

TEST_F(PreferencesDialogTest, TheMusicFolderIsChosenAtOnceEvenBeforeCancel)
{
    int chosen = 0;
    dialog.SetMusicFolderChooser([&chosen] {
        ++chosen;
        return std::string("/new/place");
    });
    dialog.Button(PreferencesDialog::MUSIC_FOLDER_ID)->click();
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(dialog.Preferences().musicFolder, "/new/place");
    ExpectUnchanged();
}

TEST_F(PreferencesDialogTest, WithoutAMusicPlayerTheFolderButtonDoesNothing)
{
    dialog.Button(PreferencesDialog::MUSIC_FOLDER_ID)->click();
    EXPECT_TRUE(dialog.isVisible());
}

TEST(PreferencesDialogFacesTest, ButtonsTakeTheSizeOfTheirFacesAndKeepTheirCorners)
{
    ASSERT_FALSE(QPixmap(BitmapButton::FacePath(QStringLiteral("IDB_OKU"))).isNull())
        << "the game's button faces are built in";
    PreferencesDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.Button(1)->geometry(), QRect(10, 312, 80, 30));
    EXPECT_EQ(dialog.Button(2)->geometry(), QRect(297, 312, 80, 30));
    EXPECT_EQ(dialog.Button(1003)->geometry(), QRect(138, 310, 100, 30));
    EXPECT_EQ(dialog.Button(1016)->geometry(), QRect(181, 258, 140, 30));
}

} // namespace
