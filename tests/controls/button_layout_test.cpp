// Spreading a row of buttons and lining up right edges.
#include "controls/button_layout.h"
#include "controls/dialog_template.h"

#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QPushButton* AddButton(QWidget& dialog, int id, const QRect& rect)
{
    auto* button = new QPushButton(&dialog);
    SetControlId(button, id);
    button->setGeometry(rect);
    return button;
}

constexpr int ROW[] = {1, 1004, 2};

TEST(SpreadButtonRowTest, ThreeButtonsOver452PixelsGetEqualGaps)
{
    QWidget dialog;
    dialog.resize(452, 326);
    auto* ok = AddButton(dialog, 1, QRect(22, 282, 80, 30));
    auto* website = AddButton(dialog, 1004, QRect(103, 255, 140, 30));
    auto* cancel = AddButton(dialog, 2, QRect(325, 243, 80, 30));
    SpreadButtonRow(&dialog, ROW);
    EXPECT_EQ(ok->geometry(), QRect(22, 282, 80, 30));
    EXPECT_EQ(website->geometry(), QRect(156, 282, 140, 30));
    EXPECT_EQ(cancel->geometry(), QRect(350, 282, 80, 30));
}

TEST(SpreadButtonRowTest, TheLastButtonAbsorbsTheRemainder)
{
    QWidget dialog;
    dialog.resize(451, 326);
    AddButton(dialog, 1, QRect(22, 282, 80, 30));
    auto* website = AddButton(dialog, 1004, QRect(0, 0, 140, 30));
    auto* cancel = AddButton(dialog, 2, QRect(0, 0, 80, 30));
    SpreadButtonRow(&dialog, ROW);
    // gap = (451 - 44 - 300) / 2 = 53
    EXPECT_EQ(website->geometry(), QRect(155, 282, 140, 30));
    EXPECT_EQ(cancel->geometry(), QRect(348, 282, 81, 30));
}

TEST(SpreadButtonRowTest, MiddleButtonsKeepTheirWidthsAndTakeTheFirstsHeight)
{
    QWidget dialog;
    dialog.resize(400, 100);
    AddButton(dialog, 1, QRect(10, 50, 40, 20));
    auto* second = AddButton(dialog, 2, QRect(0, 0, 60, 44));
    auto* third = AddButton(dialog, 3, QRect(0, 0, 30, 10));
    auto* fourth = AddButton(dialog, 4, QRect(0, 0, 40, 20));
    constexpr int ids[] = {1, 2, 3, 4};
    SpreadButtonRow(&dialog, ids);
    // gap = (400 - 20 - 170) / 3 = 70
    EXPECT_EQ(second->geometry(), QRect(120, 50, 60, 20));
    EXPECT_EQ(third->geometry(), QRect(250, 50, 30, 20));
    EXPECT_EQ(fourth->geometry(), QRect(350, 50, 40, 20));
}

TEST(SpreadButtonRowTest, FewerThanTwoButtonsStayWhereTheyAre)
{
    QWidget dialog;
    dialog.resize(452, 326);
    auto* ok = AddButton(dialog, 1, QRect(22, 282, 80, 30));
    SpreadButtonRow(&dialog, std::span<const int>(ROW, 1));
    SpreadButtonRow(&dialog, std::span<const int>());
    EXPECT_EQ(ok->geometry(), QRect(22, 282, 80, 30));
}

TEST(SpreadButtonRowTest, ACrowdedRowOverlapsAndStillEndsAMarginFromTheRight)
{
    QWidget dialog;
    dialog.resize(200, 100);
    AddButton(dialog, 1, QRect(22, 50, 80, 30));
    auto* website = AddButton(dialog, 1004, QRect(0, 0, 140, 30));
    auto* cancel = AddButton(dialog, 2, QRect(0, 0, 80, 30));
    SpreadButtonRow(&dialog, ROW);
    // gap = (200 - 44 - 300) / 2 = -72: each button starts 72 pixels inside the one before.
    EXPECT_EQ(website->geometry(), QRect(30, 50, 140, 30));
    EXPECT_EQ(cancel->geometry(), QRect(98, 50, 80, 30));
}

TEST(AlignRightEdgeTest, MovesSidewaysOnlyUntilTheRightEdgesMeet)
{
    QWidget dialog;
    dialog.resize(451, 326);
    AddButton(dialog, 2, QRect(348, 282, 81, 30));
    auto* defaultButton = AddButton(dialog, 1003, QRect(330, 143, 100, 30));
    AlignRightEdge(&dialog, 1003, 2);
    EXPECT_EQ(defaultButton->geometry(), QRect(329, 143, 100, 30));
}

} // namespace
