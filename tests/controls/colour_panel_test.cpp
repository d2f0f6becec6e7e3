// The colour panel's layout, how each swatch paints its face, label and bevel,
// and what a screen reader calls each colour.
#include "board/colour_names.h"
#include "controls/colour_panel.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDialog>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(ColourPanelTest, A361By113PanelLaysOutTwoRowsOfFive)
{
    QDialog dialog;
    dialog.resize(382, 346);
    ColourPanel panel;
    panel.Create(QRect(10, 126, 361, 113), &dialog);
    const int columns[] = {0, 78, 156, 234, 312};
    for (int k = 0; k < 10; ++k) {
        const ColourSwatch& swatch = panel.swatches[static_cast<size_t>(k)];
        EXPECT_EQ(swatch.geometry(), QRect(columns[k % 5], k < 5 ? 0 : 67, 51, 45)) << k;
        EXPECT_EQ(swatch.caption, QString::number(k + 1));
    }
}

TEST(ColourPanelTest, SwatchesStartWithThePanelsColoursAndHandThemBack)
{
    QDialog dialog;
    ColourPanel panel;
    for (size_t k = 0; k < 10; ++k)
        panel.colours[k] = MakeColour(static_cast<int>(k) * 20, 0, 0);
    panel.Create(QRect(0, 0, 361, 113), &dialog);
    EXPECT_EQ(panel.swatches[3].face, MakeColour(60, 0, 0));
    panel.swatches[3].face = MakeColour(1, 2, 3);
    panel.LoadFromSwatches();
    EXPECT_EQ(panel.colours[3], MakeColour(1, 2, 3));
    panel.colours[9] = MakeColour(9, 9, 9);
    panel.Synchronise();
    EXPECT_EQ(panel.swatches[9].face, MakeColour(9, 9, 9));
}

class SwatchPaintTest : public ::testing::Test {
protected:
    QImage Paint(ColourValue face, const QString& caption = QStringLiteral("10"))
    {
        swatch.face = face;
        swatch.caption = caption;
        swatch.resize(51, 45);
        return swatch.grab().toImage();
    }

    static int CountPixels(const QImage& image, ColourValue colour)
    {
        int count = 0;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == (ToPixel(colour) & 0xFFFFFF);
        return count;
    }

    ColourSwatch swatch;
};

TEST_F(SwatchPaintTest, ADarkSwatchGetsANearWhiteLabel)
{
    const QImage purple = Paint(0x800080);
    EXPECT_GT(CountPixels(purple, 0xF0F0F0), 5);
    EXPECT_EQ(CountPixels(purple, 0x000000), 0);
}

TEST_F(SwatchPaintTest, BrightSwatchesGetABlackLabel)
{
    for (ColourValue face : {0xFFFFFFu, 0x00FFFFu, 0xFFFF00u, 0x0000FFu, 0x808080u}) {
        const QImage image = Paint(face);
        EXPECT_GT(CountPixels(image, 0x000000), 5) << std::hex << face;
        EXPECT_EQ(CountPixels(image, 0xF0F0F0), 0) << std::hex << face;
    }
}

TEST_F(SwatchPaintTest, TheBevelIsThreePixelsDeepAndRaised)
{
    const QImage image = Paint(0x0000FF, QString());
    const int midY = image.height() / 2;
    const int midX = image.width() / 2;
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(image.pixel(d, midY) & 0xFFFFFF, 0xFFFFFFu) << d;
        EXPECT_EQ(image.pixel(midX, d) & 0xFFFFFF, 0xFFFFFFu) << d;
        EXPECT_EQ(image.pixel(image.width() - 1 - d, midY) & 0xFFFFFF, 0x606060u) << d;
        EXPECT_EQ(image.pixel(midX, image.height() - 1 - d) & 0xFFFFFF, 0x606060u) << d;
    }
    EXPECT_EQ(image.pixel(3, midY) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(image.width() - 4, midY) & 0xFFFFFF, 0xFF0000u);
}

struct NamedColourCase {
    ColourValue colour;
    const char* name;
};

// The ten defaults by their own names; anything else by the basic colour it
// looks most like.
constexpr NamedColourCase COLOUR_NAMES[] = {
    {MakeColour(255, 0, 0), "red"},        {MakeColour(255, 255, 0), "yellow"},
    {MakeColour(0, 255, 0), "green"},      {MakeColour(0, 0, 255), "blue"},
    {MakeColour(255, 0, 255), "magenta"},  {MakeColour(0, 255, 255), "cyan"},
    {MakeColour(255, 128, 0), "orange"},   {MakeColour(255, 255, 255), "white"},
    {MakeColour(128, 128, 128), "grey"},   {MakeColour(128, 0, 128), "purple"},
    {MakeColour(230, 20, 30), "red"},      {MakeColour(250, 240, 60), "yellow"},
    {MakeColour(30, 30, 140), "navy"},     {MakeColour(10, 10, 10), "black"},
    {MakeColour(200, 200, 205), "light grey"}, {MakeColour(140, 70, 30), "brown"},
    {MakeColour(255, 150, 190), "pink"},   {MakeColour(20, 110, 20), "dark green"},
    {MakeColour(60, 60, 230), "blue"},     {MakeColour(240, 140, 20), "orange"},
    {MakeColour(140, 20, 150), "purple"},  {MakeColour(50, 230, 220), "cyan"},
};

TEST(ColourNameTest, DefaultsHaveTheirNamesAndPickedColoursTheNearest)
{
    for (const NamedColourCase& c : COLOUR_NAMES)
        EXPECT_EQ(ColourName(c.colour), c.name) << std::hex << c.colour;
}

TEST(ColourPanelTest, ScreenReadersHearEachSwatchAsANumberedColourButton)
{
    QDialog dialog;
    dialog.resize(382, 346);
    ColourPanel panel;
    SetDefaultColours(panel.colours.data(), 10);
    panel.Create(QRect(10, 126, 361, 113), &dialog);
    const char* names[] = {"red", "yellow", "green", "blue", "magenta",
                           "cyan", "orange", "white", "grey", "purple"};
    for (size_t k = 0; k < 10; ++k) {
        QAccessibleInterface* swatch = QAccessible::queryAccessibleInterface(&panel.swatches[k]);
        ASSERT_NE(swatch, nullptr);
        EXPECT_EQ(swatch->role(), QAccessible::Button);
        EXPECT_EQ(swatch->text(QAccessible::Name), QStringLiteral("Colour %1: %2").arg(k + 1).arg(names[k]));
        ASSERT_NE(swatch->actionInterface(), nullptr);
        EXPECT_TRUE(swatch->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
    // The name follows the face.
    panel.colours[2] = MakeColour(20, 20, 130);
    panel.Synchronise();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&panel.swatches[2])->text(QAccessible::Name),
              QStringLiteral("Colour 3: navy"));
}

} // namespace
