// The play options dialog: its pickers, the constraint between rows, minimum and maximum, Default and closing.
#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "controls/play_options_dialog.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

class PlayOptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PuzzleSettings settings;
        settings.rowWidth = 14;
        settings.rowCount = 4;
        settings.colourCount = 6;
        settings.minRemove = 2;
        settings.maxRemove = 5;
        dialog.SetSettings(settings);
        dialog.show();
    }

    PlayOptionsDialog dialog;
};

TEST_F(PlayOptionsDialogTest, TheTemplateGivesTitleSizeAndLabels)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kolumo Rez Options"));
    EXPECT_EQ(dialog.size(), QSize(451, 326));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            labels << label->text();
    EXPECT_EQ(labels, (QStringList{"No. of Colours", "No. of Rows", "Row Width", "Minimum", "Maximum"}));
}

TEST_F(PlayOptionsDialogTest, PickersSitOnTheirPlaceholdersWithTheirRanges)
{
    const int ids[] = {1010, 1006, 1007, 1008, 1009};
    NumberPicker* pickers[] = {&dialog.ColoursPicker(), &dialog.RowsPicker(), &dialog.RowWidthPicker(),
                               &dialog.MinimumPicker(), &dialog.MaximumPicker()};
    const QPoint corners[] = {{30, 66}, {168, 66}, {306, 66}, {30, 196}, {168, 196}};
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(ControlId(pickers[k]), ids[k]);
        EXPECT_EQ(pickers[k]->geometry(), QRect(corners[k], QSize(115, 30))) << k;
    }
    EXPECT_EQ(dialog.ColoursPicker().GetValue(), 6);
    EXPECT_EQ(dialog.RowsPicker().GetValue(), 4);
    EXPECT_EQ(dialog.RowWidthPicker().GetValue(), 14);
    dialog.RowWidthPicker().OnIncrement();
    EXPECT_EQ(dialog.RowWidthPicker().GetValue(), 16);
    dialog.ColoursPicker().SetValue(11);
    EXPECT_EQ(dialog.ColoursPicker().GetValue(), 10);
}

TEST_F(PlayOptionsDialogTest, ScreenReadersHearCaptionsLabelsAndWhatEachArrowDoes)
{
    struct Spoken {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
    };
    const Spoken table[] = {
        {dialog.Button(1), QAccessible::Button, "OK"},
        {dialog.Button(2), QAccessible::Button, "Cancel"},
        {dialog.Button(PlayOptionsDialog::DEFAULT_ID), QAccessible::Button, "Default"},
        {dialog.Button(PlayOptionsDialog::WEBSITE_ID), QAccessible::Button, "Visit Website"},
        {&dialog.ColoursPicker(), QAccessible::SpinBox, "No. of Colours"},
        {&dialog.ColoursPicker().DecrementButton(), QAccessible::Button, "Fewer colours"},
        {&dialog.ColoursPicker().IncrementButton(), QAccessible::Button, "More colours"},
        {&dialog.RowsPicker(), QAccessible::SpinBox, "No. of Rows"},
        {&dialog.RowsPicker().DecrementButton(), QAccessible::Button, "Fewer rows"},
        {&dialog.RowsPicker().IncrementButton(), QAccessible::Button, "More rows"},
        {&dialog.RowWidthPicker(), QAccessible::SpinBox, "Row Width"},
        {&dialog.RowWidthPicker().DecrementButton(), QAccessible::Button, "Narrower rows"},
        {&dialog.RowWidthPicker().IncrementButton(), QAccessible::Button, "Wider rows"},
        {&dialog.MinimumPicker(), QAccessible::SpinBox, "Minimum"},
        {&dialog.MinimumPicker().DecrementButton(), QAccessible::Button, "Lower minimum"},
        {&dialog.MinimumPicker().IncrementButton(), QAccessible::Button, "Higher minimum"},
        {&dialog.MaximumPicker(), QAccessible::SpinBox, "Maximum"},
        {&dialog.MaximumPicker().DecrementButton(), QAccessible::Button, "Lower maximum"},
        {&dialog.MaximumPicker().IncrementButton(), QAccessible::Button, "Higher maximum"},
        {&dialog.MaximumPicker().FocusSink(), QAccessible::SpinBox, "Maximum"},
    };
    for (const Spoken& row : table) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(row.widget);
        ASSERT_NE(spoken, nullptr) << row.name;
        EXPECT_EQ(spoken->role(), row.role) << row.name;
        EXPECT_EQ(spoken->text(QAccessible::Name), QString::fromLatin1(row.name));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog.RowWidthPicker())->valueInterface()->currentValue(), 14);
}

TEST_F(PlayOptionsDialogTest, WithThreeRowsTheMaximumCannotStayAboveFour)
{
    dialog.RowsPicker().SetValue(3);
    dialog.MaximumPicker().SetValue(4);
    dialog.MaximumPicker().OnIncrement();
    EXPECT_EQ(dialog.MaximumPicker().GetValue(), 5);
    dialog.ConstraintStep();
    EXPECT_EQ(dialog.MaximumPicker().GetValue(), 4);
}

TEST_F(PlayOptionsDialogTest, LoweringTheRowsToTwoDragsMinimumAndMaximumDown)
{
    dialog.RowsPicker().SetValue(4);
    dialog.MinimumPicker().SetValue(4);
    dialog.MaximumPicker().SetValue(4);
    dialog.ConstraintStep();
    dialog.RowsPicker().OnDecrement();
    dialog.RowsPicker().OnDecrement();
    dialog.ConstraintStep();
    EXPECT_EQ(dialog.MaximumPicker().GetValue(), 2);
    EXPECT_EQ(dialog.MinimumPicker().GetValue(), 2);
}

TEST_F(PlayOptionsDialogTest, AMinimumAboveTheMaximumSnapsBack)
{
    dialog.MinimumPicker().SetValue(5);
    dialog.MinimumPicker().OnIncrement();
    EXPECT_EQ(dialog.MinimumPicker().GetValue(), 6);
    dialog.ConstraintStep();
    EXPECT_EQ(dialog.MinimumPicker().GetValue(), 5);
    EXPECT_EQ(dialog.MaximumPicker().GetValue(), 5);
}

TEST_F(PlayOptionsDialogTest, TenRowsLetTheMaximumReach18)
{
    dialog.RowsPicker().SetValue(10);
    for (int k = 0; k < 20; ++k) {
        dialog.MaximumPicker().OnIncrement();
        dialog.ConstraintStep();
    }
    EXPECT_EQ(dialog.MaximumPicker().GetValue(), 18);
}

TEST_F(PlayOptionsDialogTest, DefaultShowsTheUsualSettingsAndCancelLeavesTheGameAlone)
{
    dialog.Button(PlayOptionsDialog::DEFAULT_ID)->click();
    EXPECT_EQ(dialog.ColoursPicker().GetValue(), 5);
    EXPECT_EQ(dialog.RowsPicker().GetValue(), 3);
    EXPECT_EQ(dialog.RowWidthPicker().GetValue(), 12);
    EXPECT_EQ(dialog.MinimumPicker().GetValue(), 3);
    EXPECT_EQ(dialog.MaximumPicker().GetValue(), 3);
    EXPECT_TRUE(dialog.isVisible());
    dialog.Button(2)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(PlayOptionsDialogTest, ClosingReadsThePickersBackAfterOneLastConstraintStep)
{
    dialog.RowWidthPicker().OnIncrement();
    dialog.MinimumPicker().SetValue(9);
    dialog.Button(1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PuzzleSettings settings = dialog.Settings();
    EXPECT_EQ(settings.rowWidth, 16);
    EXPECT_EQ(settings.rowCount, 4);
    EXPECT_EQ(settings.colourCount, 6);
    EXPECT_EQ(settings.minRemove, 5);
    EXPECT_EQ(settings.maxRemove, 5);
}

TEST_F(PlayOptionsDialogTest, OkWithNothingTouchedHandsBackTheSameSettings)
{
    PuzzleSettings before;
    before.rowWidth = 14;
    before.rowCount = 4;
    before.colourCount = 6;
    before.minRemove = 2;
    before.maxRemove = 5;
    dialog.accept();
    EXPECT_EQ(dialog.Settings(), before);
}

TEST(PlayOptionsDialogRangeTest, OutOfRangeSettingsAreClampedAndConstrained)
{
    PlayOptionsDialog dialog;
    PuzzleSettings settings;
    settings.rowWidth = 99;
    settings.rowCount = 1;
    settings.colourCount = 0;
    settings.minRemove = 40;
    settings.maxRemove = 40;
    dialog.SetSettings(settings);
    dialog.show();
    dialog.accept();
    EXPECT_EQ(dialog.Settings().rowWidth, 30);
    EXPECT_EQ(dialog.Settings().rowCount, 2);
    EXPECT_EQ(dialog.Settings().colourCount, 2);
    EXPECT_EQ(dialog.Settings().maxRemove, 2);
    EXPECT_EQ(dialog.Settings().minRemove, 2);
}

TEST(PlayOptionsDialogFacesTest, TheBottomRowIsSpreadAndDefaultLinesUpWithCancel)
{
    ASSERT_FALSE(QPixmap(BitmapButton::FacePath(QStringLiteral("IDB_OKU"))).isNull())
        << "the game's button faces are built in";
    PlayOptionsDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.Button(1)->geometry(), QRect(22, 282, 80, 30));
    EXPECT_EQ(dialog.Button(PlayOptionsDialog::WEBSITE_ID)->geometry(), QRect(155, 282, 140, 30));
    EXPECT_EQ(dialog.Button(2)->geometry(), QRect(348, 282, 81, 30));
    EXPECT_EQ(dialog.Button(PlayOptionsDialog::DEFAULT_ID)->geometry(), QRect(329, 143, 100, 30));
}

} // namespace
