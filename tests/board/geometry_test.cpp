// Where everything stands: block size, cells, board, frame, counters, hits.
#include "board_fixture.h"

#include "board/colour.h"

namespace {

constexpr ColourValue FRAME_LIGHT = 0x003660;
constexpr ColourValue FRAME_DARK = 0x0060A0;

class Geometry : public BoardFixture {};

struct LayoutCase {
    int width, height, rowWidth, rowCount;
    int blockSize;
    Rect baseCell;
};

// As plain values, no widget: the smaller quotient made even, the base cell
// centred across and with three blocks' room for the counters above.
TEST_F(Geometry, A700By400ClientGivesFiftyPixelBlocks)
{
    const LayoutCase cases[] = {
        {700, 400, 12, 3, 50, {325, 200, 375, 250}},
        {480, 266, 12, 3, 32, {224, 133, 256, 165}},
        {333, 517, 12, 3, 22, {155, 258, 177, 280}},
        {1280, 720, 20, 10, 48, {616, 192, 664, 240}},
        {63, 400, 12, 3, 0, {}},    // too narrow a client
        {700, 31, 12, 3, 0, {}},    // too low a client
        {64, 32, 40, 3, 0, {}},     // blocks under two pixels
    };
    for (const LayoutCase& c : cases) {
        const BoardGeometry g = BoardGeometry::For(c.width, c.height, c.rowWidth, c.rowCount);
        EXPECT_EQ(g.blockSize, c.blockSize) << c.width << "x" << c.height;
        EXPECT_EQ(g.baseCell, c.baseCell) << c.width << "x" << c.height;
        EXPECT_EQ(BoardGeometry::BlockSizeFor(c.width, c.height, c.rowWidth, c.rowCount), c.blockSize);
    }
    const BoardGeometry g = BoardGeometry::For(700, 400, 12, 3);
    EXPECT_EQ(g.BoardRect(12, 3), (Rect{50, 200, 650, 350}));
    EXPECT_EQ(g.CounterRow(5), (Rect{70, 50, 630, 133}));
    EXPECT_EQ(g.CounterCell(1, 5), (Rect{182, 50, 294, 133}));
    RowSet rows{};
    rows[0].assign(12, 0);
    rows[1].assign(1, 0);
    EXPECT_EQ(g.HitTest(60, 210, rows, 3), (BlockRef{0, 0}));
    EXPECT_EQ(g.HitTest(330, 260, rows, 3), (BlockRef{0, 1}));
    EXPECT_EQ(g.HitTest(320, 260, rows, 3), (BlockRef{NO_BLOCK, NO_BLOCK}));
    EXPECT_EQ(g.HitTest(330, 310, rows, 3), (BlockRef{NO_BLOCK, NO_BLOCK}));  // row 2 is empty
    EXPECT_EQ(g.HitTest(330, 260, rows, 1), (BlockRef{NO_BLOCK, NO_BLOCK}));  // beyond rowCount
}

TEST_F(Geometry, RowsAreCentredOnTheBaseCellAt700By400)
{
    UseFullBoard();
    EXPECT_EQ(view->Geometry().blockSize, 50);
    EXPECT_EQ(view->Geometry().baseCell, (Rect{325, 200, 375, 250}));
    EXPECT_EQ(view->Geometry().BlockRect(0, 0, 12), (Rect{50, 200, 100, 250}));
    EXPECT_EQ(view->Geometry().BlockRect(11, 2, 12), (Rect{600, 300, 650, 350}));
    EXPECT_EQ(view->BoardRect(), (Rect{50, 200, 650, 350}));
    // A one-block row sits in baseCell's column; two blocks half a block either side.
    EXPECT_EQ(view->Geometry().BlockRect(0, 1, 1), (Rect{325, 250, 375, 300}));
    EXPECT_EQ(view->Geometry().BlockRect(0, 0, 2), (Rect{300, 200, 350, 250}));
    EXPECT_EQ(view->Geometry().BlockRect(1, 0, 2), (Rect{350, 200, 400, 250}));
}

TEST_F(Geometry, TheFrameHasFourOutlinesAroundTheBoardAreaAt700By400)
{
    UseFullBoard();
    const DibSurface& bg = view->Painter().Background();
    // Board area (33, 183)-(667, 367), then three more outlines outwards.
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(bg.Pixel(33 - k, 183 - k), FRAME_LIGHT) << k;
        EXPECT_EQ(bg.Pixel(400, 183 - k), FRAME_LIGHT) << k;
        EXPECT_EQ(bg.Pixel(33 - k, 300), FRAME_LIGHT) << k;
        EXPECT_EQ(bg.Pixel(666 + k, 183 - k), FRAME_DARK) << k;
        EXPECT_EQ(bg.Pixel(666 + k, 300), FRAME_DARK) << k;
        EXPECT_EQ(bg.Pixel(400, 366 + k), FRAME_DARK) << k;
    }
    EXPECT_NE(bg.Pixel(29, 300), FRAME_LIGHT);
    EXPECT_NE(bg.Pixel(34, 300), FRAME_LIGHT);
}

TEST_F(Geometry, FiveCountersAt700By400Are112By83FromX70ToX630)
{
    UseFullBoard();
    DibSurface s;
    s.Create(700, 400);
    EXPECT_EQ(view->DrawColourCounters(s), (Rect{70, 50, 630, 133}));
    // Outer bevel: light at the top-left corner, dark at the bottom-right.
    EXPECT_EQ(s.Pixel(70, 50), ShadeLight(view->Painter().BlockColours()[0]));
    EXPECT_EQ(s.Pixel(181, 132), ShadeDark(view->Painter().BlockColours()[0]));
    EXPECT_EQ(s.Pixel(182, 50), ShadeLight(view->Painter().BlockColours()[1]));
    EXPECT_EQ(s.Pixel(629, 132), ShadeDark(view->Painter().BlockColours()[4]));
    EXPECT_NE(s.Pixel(630, 100), ShadeDark(view->Painter().BlockColours()[4]));
    EXPECT_NE(s.Pixel(69, 100), ShadeLight(view->Painter().BlockColours()[0]));
}

TEST_F(Geometry, BlocksArePaintedInTheirCells)
{
    UseFullBoard();
    const DibSurface& s = view->ComposeSurface();
    EXPECT_EQ(s.Pixel(50, 200), ShadeLight(view->Painter().BlockColours()[0]));
    EXPECT_EQ(s.Pixel(99, 249), ShadeDark(view->Painter().BlockColours()[0]));
    EXPECT_EQ(s.Pixel(100, 200), ShadeLight(view->Painter().BlockColours()[1]));
    EXPECT_EQ(s.Pixel(49, 200), view->Painter().Background().Pixel(49, 200));
}

TEST_F(Geometry, HitTestFindsRowEndsAndNothingBesideShortRows)
{
    UseFullBoard();
    EXPECT_EQ(view->Input().BlockAt(60, 210), (BlockRef{0, 0}));
    EXPECT_EQ(view->Input().BlockAt(40, 210), (BlockRef{NO_BLOCK, NO_BLOCK}));
    EXPECT_EQ(view->Input().BlockAt(640, 345), (BlockRef{11, 2}));
    EXPECT_EQ(view->Input().BlockAt(360, 199), (BlockRef{NO_BLOCK, NO_BLOCK}));
    EXPECT_EQ(view->Input().BlockAt(360, 350), (BlockRef{NO_BLOCK, NO_BLOCK}));
    std::vector<int32_t> full(12);
    for (int i = 0; i < 12; ++i)
        full[static_cast<size_t>(i)] = i % 5;
    const std::vector<int32_t> shorter(full.begin(), full.begin() + 10);
    UseBoard({full, full, shorter}, 12, 5, 3, 3);
    EXPECT_EQ(view->Input().BlockAt(640, 345), (BlockRef{NO_BLOCK, NO_BLOCK}));
    // Left of a short row's first block and right of its last: no block.
    EXPECT_EQ(view->Input().BlockAt(95, 345), (BlockRef{NO_BLOCK, NO_BLOCK}));
    EXPECT_EQ(view->Input().BlockAt(100, 345), (BlockRef{0, 2}));
    EXPECT_EQ(view->Input().BlockAt(599, 345), (BlockRef{9, 2}));
    EXPECT_EQ(view->Input().BlockAt(600, 345), (BlockRef{NO_BLOCK, NO_BLOCK}));
    UseBoard({full, {}, shorter}, 12, 5, 3, 3);
    EXPECT_EQ(view->Input().BlockAt(350, 275), (BlockRef{NO_BLOCK, NO_BLOCK}));
}

TEST_F(Geometry, BlockSizeIsTheSmallerQuotientMadeEven)
{
    UseFullBoard();
    view->SizeChanged(701, 401);
    EXPECT_EQ(view->Geometry().blockSize, 50);
    view->SizeChanged(652, 400);
    EXPECT_EQ(view->Geometry().blockSize, 46);
    view->SizeChanged(714, 1000);  // 714 / 14 = 51
    EXPECT_EQ(view->Geometry().blockSize, 50);
}

TEST_F(Geometry, FrameOutlinesFollowTheBlockSize)
{
    // min(S / 8, 4): 2 at S = 16, 4 at S = 32.
    UseFullBoard();
    view->SizeChanged(16 * 14, 400);
    ASSERT_EQ(view->Geometry().blockSize, 16);
    const Rect area = view->BoardRect().Grown(6, 6);
    const int y = (area.top + area.bottom) / 2;
    EXPECT_EQ(view->Painter().Background().Pixel(area.left, y), FRAME_LIGHT);
    EXPECT_EQ(view->Painter().Background().Pixel(area.left - 1, y), FRAME_LIGHT);
    EXPECT_NE(view->Painter().Background().Pixel(area.left - 2, y), FRAME_LIGHT);
    view->SizeChanged(6 * 14, 400);
    ASSERT_EQ(view->Geometry().blockSize, 6);
    const Rect small = view->BoardRect().Grown(2, 2);
    EXPECT_NE(view->Painter().Background().Pixel(small.left, (small.top + small.bottom) / 2), FRAME_LIGHT);
}

TEST_F(Geometry, ClientsUnder64By32KeepTheLayoutButShowBlackAndHitNothing)
{
    UseFullBoard();
    const Rect before = view->Geometry().baseCell;
    for (auto [w, h] : {std::pair{63, 500}, std::pair{500, 31}}) {
        view->SizeChanged(w, h);
        EXPECT_EQ(view->ComposeSurface().Width(), w);
        EXPECT_EQ(view->Painter().Scratch().Width(), 3 * w / 4);
        EXPECT_EQ(view->Painter().Scratch().Height(), 3 * h / 4);
        EXPECT_EQ(view->Geometry().baseCell, before);
        view->Tick();
        for (int y = 0; y < h; y += 7)
            for (int x = 0; x < w; x += 7)
                ASSERT_EQ(view->ComposeSurface().Pixel(x, y), 0u);
        EXPECT_EQ(view->Input().BlockAt(5, 5), (BlockRef{NO_BLOCK, NO_BLOCK}));
        DibSurface counters;
        counters.Create(w, h);
        EXPECT_EQ(view->DrawColourCounters(counters), Rect{});
    }
}

TEST_F(Geometry, ABlockSizeUnderTwoIsTreatedLikeATooSmallClient)
{
    std::vector<int32_t> row(40, 1);
    UseBoard({row, row}, 40, 2, 2, 2, false, 64, 400);  // 64 / 42 = 1
    EXPECT_EQ(view->Geometry().blockSize, 0);
    EXPECT_EQ(view->Geometry().baseCell, Rect{});
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(view->Input().BlockAt(x, 200), (BlockRef{NO_BLOCK, NO_BLOCK}));
}

TEST_F(Geometry, WithoutAPuzzleNothingIsDrawnAndNothingBreaks)
{
    view->SetPuzzle(nullptr);
    view->SizeChanged(700, 400);
    view->Tick();
    view->LeftButtonUp(100, 220);
    view->CommitSelection();
    view->SetSolving(true);
    EXPECT_FALSE(view->Solving());
    EXPECT_EQ(view->Input().BlockAt(100, 220), (BlockRef{NO_BLOCK, NO_BLOCK}));
    EXPECT_EQ(view->ComposeSurface().Pixel(100, 220), 0u);
}

}  // namespace
