// The colour panel's layout and how each swatch paints its face, label and bevel.
#include "controls/colour_panel.h"

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

} // namespace
