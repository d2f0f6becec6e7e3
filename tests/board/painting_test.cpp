// How a block looks: bevels, faces, tints, symbol colours, hard or smooth edges.
#include "board_fixture.h"

#include "board/colour.h"

#include <set>

namespace {

class Painting : public BoardFixture {
protected:
    void SetUp() override
    {
        BoardFixture::SetUp();
        canvas.Create(700, 400);
    }

    // Every pixel colour inside r on s (the canvas unless said).
    std::set<ColourValue> ColoursIn(const Rect& r, const DibSurface* s = nullptr) const
    {
        std::set<ColourValue> found;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                found.insert((s != nullptr ? *s : canvas).Pixel(x, y));
        return found;
    }
    bool Uniform(const Rect& r, ColourValue c) const { return ColoursIn(r) == std::set<ColourValue>{c}; }

    // Where single blocks are drawn to be looked at.
    DibSurface canvas;
};

constexpr ColourValue RED = 0x0000FF;
constexpr ColourValue YELLOW = 0x00FFFF;
constexpr ColourValue BLUE = 0xFF0000;

TEST_F(Painting, ColourHelpersShadeTintAndPickAReadableTextColour)
{
    EXPECT_EQ(ShadeLight(RED), MakeColour(255, 170, 170));
    EXPECT_EQ(ShadeDark(RED), MakeColour(85, 0, 0));
    EXPECT_EQ(SelectedTint(YELLOW), MakeColour(255, 255, 70));
    EXPECT_EQ(SelectedTint(BLUE), MakeColour(85, 85, 240));
    EXPECT_EQ(ShadeLight(SelectedTint(BLUE)), MakeColour(198, 198, 250));
    EXPECT_EQ(ContrastTextColour(MakeColour(255, 0, 0)), 0u);
    EXPECT_EQ(ContrastTextColour(MakeColour(128, 128, 128)), 0u);
    EXPECT_EQ(ContrastTextColour(MakeColour(128, 0, 128)), 0xF0F0F0u);
    EXPECT_EQ(ContrastTextColour(MakeColour(0, 0, 255)), 0u);
    EXPECT_EQ(ContrastTextColour(MakeColour(100, 100, 99)), 0xF0F0F0u);
    EXPECT_EQ(ContrastTextColour(MakeColour(100, 100, 100)), 0u);
}

TEST_F(Painting, DefaultColoursFillTenAndPurplishBeyond)
{
    std::array<ColourValue, 12> table{};
    SetDefaultColours(table.data(), 12);
    EXPECT_EQ(table[0], RED);
    EXPECT_EQ(table[6], 0x0080FFu);
    EXPECT_EQ(table[9], 0x800080u);
    EXPECT_EQ(table[10], 0xC000C0u);
    EXPECT_EQ(table[11], 0xC000C0u);
    EXPECT_EQ(view->Painter().BlockColours()[3], BLUE);
}

TEST_F(Painting, A50PixelCellHasThreeBevelStepsEachSideAndA36PixelFace)
{
    UseFullBoard();
    const Rect cell{50, 200, 100, 250};
    PainterLikeTheView().DrawBlock(cell, 0, canvas, false, 1.0, true, false);
    const DibSurface& s = canvas;
    const ColourValue outerTop[] = {MakeColour(255, 170, 170), MakeColour(255, 113, 113), MakeColour(255, 57, 57)};
    const ColourValue outerBottom[] = {MakeColour(85, 0, 0), MakeColour(141, 0, 0), MakeColour(197, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.Pixel(75, 200 + i), outerTop[i]) << i;
        EXPECT_EQ(s.Pixel(50 + i, 225), outerTop[i]) << i;
        EXPECT_EQ(s.Pixel(75, 249 - i), outerBottom[i]) << i;
        EXPECT_EQ(s.Pixel(99 - i, 225), outerBottom[i]) << i;
        // The sunken inner edge: near the face colour outside, pure shades inside.
        EXPECT_EQ(s.Pixel(75, 204 + i), outerBottom[2 - i]) << i;
        EXPECT_EQ(s.Pixel(75, 245 - i), outerTop[2 - i]) << i;
    }
    EXPECT_EQ(s.Pixel(75, 203), RED);  // the middle outline
    EXPECT_EQ(s.Pixel(53, 225), RED);
    EXPECT_TRUE(Uniform({57, 207, 93, 243}, RED));
    EXPECT_EQ(s.Pixel(56, 225), MakeColour(85, 0, 0));
    EXPECT_EQ(s.Pixel(93, 225), MakeColour(255, 170, 170));
}

TEST_F(Painting, ASelectedBlockIs46PixelsTintedWithA32PixelFace)
{
    UseFullBoard();
    const Rect cell{50, 200, 100, 250};
    PainterLikeTheView().DrawBlock(cell, 0, canvas, true, 1.0, true, false);
    const DibSurface& s = canvas;
    const ColourValue tint = SelectedTint(RED);
    EXPECT_EQ(s.Pixel(52, 202), ShadeLight(tint));
    EXPECT_EQ(s.Pixel(97, 247), ShadeDark(tint));
    // Two pixels of background all round.
    EXPECT_EQ(s.Pixel(51, 225), view->Painter().Background().Pixel(51, 225));
    EXPECT_EQ(s.Pixel(98, 225), view->Painter().Background().Pixel(98, 225));
    EXPECT_TRUE(Uniform({59, 209, 91, 241}, tint));
    EXPECT_NE(s.Pixel(58, 225), tint);
    EXPECT_NE(s.Pixel(91, 225), tint);
}

TEST_F(Painting, SymbolsAreDarkOnPlainBlocksAndRedOrLightOnSelectedOnes)
{
    UseFullBoard();
    const Rect cell{50, 200, 100, 250};
    // Unselected red: its dark shade, on a face of red only.
    PainterLikeTheView().DrawBlock(cell, 0, canvas, false, 1.0, false, false);
    EXPECT_EQ(ColoursIn({57, 207, 93, 243}), (std::set<ColourValue>{RED, MakeColour(85, 0, 0)}));
    // Selected yellow: red (224, 0, 0) on (255, 255, 70).
    PainterLikeTheView().DrawBlock(cell, 1, canvas, true, 1.0, false, false);
    EXPECT_EQ(ColoursIn({59, 209, 91, 241}), (std::set<ColourValue>{MakeColour(255, 255, 70), 0x0000E0}));
    // Selected blue: its light shade (198, 198, 250) on (85, 85, 240).
    PainterLikeTheView().DrawBlock(cell, 3, canvas, true, 1.0, false, false);
    EXPECT_EQ(ColoursIn({59, 209, 91, 241}),
              (std::set<ColourValue>{MakeColour(85, 85, 240), MakeColour(198, 198, 250)}));
}

TEST_F(Painting, SmoothingBlendsTheSymbolIntoTheFace)
{
    UseFullBoard(true);
    const Rect cell{50, 200, 100, 250};
    PainterLikeTheView().DrawBlock(cell, 1, canvas, true, 1.0, false, false);
    const auto colours = ColoursIn({59, 209, 91, 241});
    EXPECT_TRUE(colours.count(0x0000E0));
    EXPECT_TRUE(colours.count(MakeColour(255, 255, 70)));
    EXPECT_GT(colours.size(), 3u);  // in-between shades along the edges
}

TEST_F(Painting, WithAntiAliasingUnselectedBlocksComeFromTheCache)
{
    UseFullBoard(true);
    const DibSurface& cache = view->Painter().BlockCache();
    ASSERT_EQ(cache.Width(), 500);
    ASSERT_EQ(cache.Height(), 50);
    // Block 3 of row 0 has code 3: the cache's fourth cell, pixel for pixel.
    const Rect cell = view->Geometry().BlockRect(3, 0, 12);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(view->ComposeSurface().Pixel(cell.left + x, cell.top + y), cache.Pixel(150 + x, y));
    // All ten codes are cached, whatever the colours in play, and rendered
    // again in new colours on request.
    EXPECT_EQ(cache.Pixel(450, 0), ShadeLight(view->Painter().BlockColours()[9]));
    PlayerPreferences recoloured = view->Preferences();
    recoloured.blockColours[9] = 0x336699;
    view->ApplyPreferences(recoloured);
    view->Layout();
    EXPECT_EQ(cache.Pixel(450, 0), ShadeLight(0x336699));
}

TEST_F(Painting, PlainNumbersHaveHardEdgesOnTheFace)
{
    UseFullBoard();
    // Counter 0: red cell at (70, 50)-(182, 133), number in black.
    const auto colours = ColoursIn({85, 65, 167, 118}, &view->ComposeSurface());
    EXPECT_EQ(colours, (std::set<ColourValue>{RED, 0u}));
}

TEST_F(Painting, ShuffledSymbolsChangeTheCacheAndTheBoard)
{
    UseFullBoard(true);
    const std::string before = view->Painter().Symbols();
    const QImage cacheBefore = view->Painter().BlockCache().Image().copy();
    while (view->Painter().Symbols() == before)
        view->ShuffleSymbols();
    EXPECT_NE(view->Painter().BlockCache().Image(), cacheBefore);
}

TEST_F(Painting, RepaintsFromKeptPicturesMatchPaintingAfresh)
{
    for (bool antiAliasing : {false, true}) {
        UseFullBoard(antiAliasing);
        view->Redraw();
        const QImage before = view->ComposeSurface().Image().copy();
        puzzle->ApplyMove(MoveList{{11, 2}});  // one counter changes
        if (!antiAliasing) {
            PlayerPreferences recoloured = view->Preferences();
            recoloured.blockColours[1] = 0x336699;  // plain blocks follow at once
            view->ApplyPreferences(recoloured);
        }
        view->Redraw();
        const QImage kept = view->ComposeSurface().Image().copy();
        EXPECT_NE(kept, before);
        if (!antiAliasing) {
            EXPECT_EQ(view->ComposeSurface().Pixel(100, 200), ShadeLight(0x336699));
        }
        view->Layout();  // forgets every kept picture
        EXPECT_EQ(view->ComposeSurface().Image(), kept) << antiAliasing;
    }
}

}  // namespace
