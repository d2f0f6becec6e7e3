// The number picker: geometry, clamping, arrow steps and where the focus goes.
#include "controls/number_picker.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>

#include <climits>
#include <memory>

#include <gtest/gtest.h>

namespace {

class NumberPickerTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.resize(300, 200); }

    void CreatePicker(int32_t low, int32_t high, int32_t step, int32_t value)
    {
        picker.Create(QRect(30, 66, 115, 29), &dialog, 1010, low, high, step);
        picker.SetValue(value);
    }

    QDialog dialog;
    NumberPicker picker;
};

TEST_F(NumberPickerTest, ATwoCellPickerOverA115PixelPlaceholder)
{
    CreatePicker(2, 10, 1, 5);
    EXPECT_EQ(picker.geometry(), QRect(30, 66, 115, 30));
    EXPECT_EQ(picker.CellCount(), 2);
    dialog.show();
    EXPECT_EQ(picker.DecrementButton().geometry(), QRect(3, 3, 32, 24));
    EXPECT_EQ(picker.DigitArea(), QRect(41, 3, 16, 24));
    EXPECT_EQ(picker.DigitArea().left() + picker.CellCount() * picker.DigitArea().width(), 73);
    EXPECT_EQ(picker.IncrementButton().geometry(), QRect(80, 3, 32, 24));
}

TEST_F(NumberPickerTest, ANarrowPlaceholderGrowsToFitTheDigitsAndArrows)
{
    picker.Create(QRect(0, 0, 50, 10), &dialog, 1, 2, 10, 1);
    EXPECT_EQ(picker.geometry(), QRect(0, 0, 102, 30));
    EXPECT_EQ(picker.DigitArea().left(), 35);
}

TEST_F(NumberPickerTest, DecrementStopsAtTheBottomAndIncrementAtTheTop)
{
    CreatePicker(2, 10, 1, 2);
    picker.OnDecrement();
    EXPECT_EQ(picker.GetValue(), 2);
    for (int k = 0; k < 9; ++k)
        picker.OnIncrement();
    EXPECT_EQ(picker.GetValue(), 10);
    picker.OnIncrement();
    EXPECT_EQ(picker.GetValue(), 10);
}

TEST_F(NumberPickerTest, StepsOfTwoFromAnOddValueEndClampedAtTheTop)
{
    CreatePicker(6, 30, 2, 7);
    for (int expected = 9; expected <= 29; expected += 2) {
        picker.OnIncrement();
        EXPECT_EQ(picker.GetValue(), expected);
    }
    picker.OnIncrement();
    EXPECT_EQ(picker.GetValue(), 30);
    picker.OnDecrement();
    EXPECT_EQ(picker.GetValue(), 28);
}

TEST_F(NumberPickerTest, SetValueClampsIntoTheRange)
{
    CreatePicker(6, 30, 2, 40);
    EXPECT_EQ(picker.GetValue(), 30);
    NumberPicker other;
    other.Create(QRect(0, 0, 115, 29), &dialog, 2, 2, 10, 1);
    other.SetValue(1);
    EXPECT_EQ(other.GetValue(), 2);
}

TEST(NumberPickerLifetimeTest, SetValueBeforeCreateOrAfterTheWindowIsGoneOnlyStoresTheValue)
{
    NumberPicker picker;
    picker.SetValue(7);
    EXPECT_EQ(picker.GetValue(), 7);
    picker.SetValue(12); // the default range is 0 to 9
    EXPECT_EQ(picker.GetValue(), 9);
}

TEST_F(NumberPickerTest, ClickingAnArrowParksTheFocusOnTheSink)
{
    CreatePicker(2, 10, 1, 5);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::mouseClick(&picker.IncrementButton(), Qt::LeftButton);
    EXPECT_EQ(picker.GetValue(), 6);
    EXPECT_TRUE(picker.FocusSink().hasFocus());
    QTest::mouseClick(&picker.DecrementButton(), Qt::LeftButton);
    EXPECT_EQ(picker.GetValue(), 5);
    EXPECT_TRUE(picker.FocusSink().hasFocus());
    EXPECT_FALSE(picker.FocusSink().focusPolicy() & Qt::TabFocus);
}

TEST_F(NumberPickerTest, AScreenReaderSeesASpinBoxWithItsRangeAndCanSetIt)
{
    CreatePicker(6, 30, 2, 12);
    picker.SetSpokenNames(QStringLiteral("Row Width"), QStringLiteral("Narrower rows"),
                          QStringLiteral("Wider rows"));
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&picker);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->role(), QAccessible::SpinBox);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Row Width"));
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("12"));
    QAccessibleValueInterface* value = box->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 12);
    EXPECT_EQ(value->minimumValue().toInt(), 6);
    EXPECT_EQ(value->maximumValue().toInt(), 30);
    EXPECT_EQ(value->minimumStepSize().toInt(), 2);
    value->setCurrentValue(40);
    EXPECT_EQ(picker.GetValue(), 30) << "a value set from outside is clamped like any other";
    value->setCurrentValue(7);
    EXPECT_EQ(picker.GetValue(), 7);
    picker.OnIncrement();
    EXPECT_EQ(value->currentValue().toInt(), 9);

    // Its children are the two arrows, named by what they do; the focus sink
    // is not among them and, when it holds the focus, speaks as the picker.
    ASSERT_EQ(box->childCount(), 2);
    EXPECT_EQ(box->child(0)->object(), &picker.DecrementButton());
    EXPECT_EQ(box->child(0)->text(QAccessible::Name), QStringLiteral("Narrower rows"));
    EXPECT_EQ(box->child(0)->role(), QAccessible::Button);
    EXPECT_EQ(box->child(1)->text(QAccessible::Name), QStringLiteral("Wider rows"));
    QAccessibleInterface* sink = QAccessible::queryAccessibleInterface(&picker.FocusSink());
    ASSERT_NE(sink, nullptr);
    EXPECT_EQ(box->indexOfChild(sink), -1);
    EXPECT_EQ(sink->role(), QAccessible::SpinBox);
    EXPECT_EQ(sink->text(QAccessible::Name), QStringLiteral("Row Width"));
    ASSERT_NE(sink->valueInterface(), nullptr);
    EXPECT_EQ(sink->valueInterface()->currentValue().toInt(), 9);
    EXPECT_EQ(sink->childCount(), 0);
}

TEST(DigitCountTest, CountsDigitsAndAMinusSignWithoutLogarithms)
{
    EXPECT_EQ(NumberPicker::DigitCount(0), 1);
    EXPECT_EQ(NumberPicker::DigitCount(9), 1);
    EXPECT_EQ(NumberPicker::DigitCount(10), 2);
    EXPECT_EQ(NumberPicker::DigitCount(99), 2);
    EXPECT_EQ(NumberPicker::DigitCount(100), 3);
    EXPECT_EQ(NumberPicker::DigitCount(-1), 2);
    EXPECT_EQ(NumberPicker::DigitCount(-10), 3);
    EXPECT_EQ(NumberPicker::DigitCount(INT_MIN), 11);
    EXPECT_EQ(NumberPicker::DigitCount(INT_MAX), 10);
}

TEST_F(NumberPickerTest, ANegativeRangeGetsACellForTheMinusSign)
{
    CreatePicker(-5, 10, 1, -5);
    EXPECT_EQ(picker.CellCount(), 2);
    picker.OnDecrement();
    EXPECT_EQ(picker.GetValue(), -5);
}

// The digits are copied from the strip: a short number shows a blank cell
// first, and a picker made after another is gone still has the strip.
TEST(NumberPickerDrawingTest, DigitsComeFromTheSharedStrip)
{
    const QImage strip(QStringLiteral(":/bitmaps/167.png"));
    ASSERT_FALSE(strip.isNull()) << "the game's digit strip is built in";
    QDialog dialog;
    dialog.resize(300, 200);
    auto first = std::make_unique<NumberPicker>();
    auto second = std::make_unique<NumberPicker>();
    first.reset();
    second->Create(QRect(0, 0, 115, 29), &dialog, 1, 2, 10, 1);
    second->SetValue(5);
    dialog.show();
    const QImage shown = second->grab().toImage();
    const QRect cell = second->DigitArea();
    for (int y = 0; y < cell.height(); y += 3) {
        for (int x = 0; x < cell.width(); x += 3) {
            EXPECT_EQ(shown.pixel(cell.left() + x, cell.top() + y), strip.pixel(x, 24 + y));
            EXPECT_EQ(shown.pixel(cell.left() + 16 + x, cell.top() + y), strip.pixel(5 * 16 + x, y));
        }
    }
}

} // namespace
