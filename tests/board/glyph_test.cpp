// Symbols, fonts, smoothing and the box filter behind it.
#include "board_fixture.h"

#include "board/board_fonts.h"
#include "board/cell_heights.h"
#include "board/text_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>

#include <set>
#include <thread>

namespace {

class Glyphs : public BoardFixture {};

TEST_F(Glyphs, TheAlphabetHas21CharactersWith21DistinctPicturesInTheSymbolFace)
{
    ASSERT_EQ(std::string(SYMBOL_ALPHABET).size(), 21u);
    EXPECT_EQ(std::string(SYMBOL_ALPHABET), std::string("adhimquvzIJMNOQRST(\"'"));
    const QRawFont raw = QRawFont::fromFont(QFont(QString::fromLatin1(SYMBOL_FACE)));
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName(), QString::fromLatin1(SYMBOL_FACE));
    std::set<ushort> pictures;
    std::set<QByteArray> drawings;
    const QFont font = MakeCellFont(SYMBOL_FACE, 40);
    for (int i = 0; i < SYMBOL_ALPHABET_SIZE; ++i) {
        const QChar picture = SymbolPicture(SYMBOL_ALPHABET[i]);
        EXPECT_TRUE(raw.supportsCharacter(picture)) << i;
        pictures.insert(picture.unicode());
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(4, 40, QString(picture));
        painter.end();
        drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), 21u);
    EXPECT_EQ(drawings.size(), 21u);
}

TEST_F(Glyphs, ShuffleDrawsTenDistinctSymbolsFromTheSharedRandom)
{
    for (uint32_t seed : {1u, 2u, 99u, 123456u}) {
        SeedRandom(seed);
        view->ShuffleSymbols();
        const std::string first = view->Painter().Symbols();
        ASSERT_EQ(first.size(), 10u);
        EXPECT_EQ(std::set<char>(first.begin(), first.end()).size(), 10u);
        for (char c : first)
            EXPECT_NE(std::string(SYMBOL_ALPHABET).find(c), std::string::npos);
        SeedRandom(seed);
        view->ShuffleSymbols();
        EXPECT_EQ(view->Painter().Symbols(), first);
    }
}

TEST_F(Glyphs, FontsAreAsTallAsTheCellAllows)
{
    // A face measured on another thread first, as the game's start does.
    static const char* const MEASURED_ELSEWHERE = "DejaVu Serif";
    std::thread([] { MeasureCellFontFace(MEASURED_ELSEWHERE); }).join();
    for (const char* face : {SYMBOL_FACE, NUMBER_FACE, MEASURED_ELSEWHERE}) {
        for (int height : {4, 11, 35, 50, 150, 798}) {
            const QFont font = MakeCellFont(face, height);
            const QFontMetrics metrics(font);
            EXPECT_LE(metrics.ascent() + metrics.descent(), height) << face << " " << height;
            EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
            QFont bigger = font;
            bigger.setPixelSize(font.pixelSize() + 1);
            const QFontMetrics next(bigger);
            if (height > 4) {
                EXPECT_GT(next.ascent() + next.descent(), height) << face << " " << height;
            }
        }
    }
    EXPECT_EQ(QFontInfo(MakeCellFont(NUMBER_FACE, 50)).family(), QString::fromLatin1(NUMBER_FACE));
}

TEST_F(Glyphs, ResizedCopiesGiveTheCellHeightsOfFontsLoadedAtEachSize)
{
    for (const char* face : {SYMBOL_FACE, NUMBER_FACE}) {
        const QFont font = MakeCellFont(face, 60);
        const CellHeights heights(font);
        for (int size = 1; size <= 1000; size += size < 200 ? 1 : 13) {
            QFont sized = font;
            sized.setPixelSize(size);
            const QFontMetrics metrics(sized);
            EXPECT_EQ(heights.At(size), metrics.ascent() + metrics.descent()) << face << " " << size;
        }
    }
}

TEST(Downsample, AveragesEachChannelOfThreeByThreeRoundingDown)
{
    DibSurface source;
    DibSurface destination;
    ASSERT_TRUE(source.Create(3, 3));
    ASSERT_TRUE(destination.Create(1, 1));
    source.SetPixel(1, 2, MakeColour(9, 18, 27));
    Downsample(source, destination, {0, 0, 3, 3}, {0, 0, 1, 1});
    EXPECT_EQ(destination.Pixel(0, 0), MakeColour(1, 2, 3));
    source.SetPixel(0, 0, MakeColour(8, 0, 0));
    Downsample(source, destination, {0, 0, 3, 3}, {0, 0, 1, 1});
    EXPECT_EQ(destination.Pixel(0, 0), MakeColour(1, 2, 3));  // 17 / 9 = 1
}

TEST(Downsample, RefusesRectanglesOutsideEitherSurfaceOrWithEmptySides)
{
    DibSurface source;
    DibSurface destination;
    ASSERT_TRUE(source.Create(6, 6));
    ASSERT_TRUE(destination.Create(2, 2));
    source.FillRect({0, 0, 6, 6}, 0x505050);
    Downsample(source, destination, {1, 1, 7, 7}, {0, 0, 2, 2});
    Downsample(source, destination, {-1, 0, 5, 6}, {0, 0, 2, 2});
    Downsample(source, destination, {0, 0, 6, 6}, {1, 1, 3, 3});
    Downsample(source, destination, {0, 0, 0, 6}, {0, 0, 2, 2});
    Downsample(source, destination, {0, 0, 6, 6}, {0, 0, 2, 0});
    // A destination larger than its source would read past the source's last
    // row (and the rectangle's own).
    Downsample(source, destination, {5, 5, 6, 6}, {0, 0, 2, 2});
    Downsample(source, destination, {0, 0, 1, 2}, {0, 0, 2, 2});
    DibSurface none;
    Downsample(none, destination, {0, 0, 0, 0}, {0, 0, 2, 2});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(destination.Pixel(x, y), 0u);
    Downsample(source, destination, {0, 0, 6, 6}, {0, 0, 2, 2});
    EXPECT_EQ(destination.Pixel(1, 1), 0x505050u);
}

// The whole-box round trip, step by step, to hold the smoothed text against.
void SmoothTheLongWay(const Rect& box, const QString& text, DibSurface& destination, DibSurface& scratch)
{
    const Rect big{0, 0, box.Width() * 3, box.Height() * 3};
    for (int y = 0; y < big.bottom; ++y)
        for (int x = 0; x < big.right; ++x)
            scratch.SetPixel(x, y, destination.Pixel(box.left + x / 3, box.top + y / 3));
    scratch.text.font = destination.text.font;
    scratch.text.colour = destination.text.colour;
    scratch.text.transparent = true;
    DrawTextCentered(big, text, scratch);
    Downsample(scratch, destination, big, box);
}

TEST(DrawTextSmooth, GivesTheSameSmoothTextAsTheWholeBoxRoundTrip)
{
    EnsureApplication();
    const QFont font = MakeCellFont(NUMBER_FACE, 150);
    DibSurface a;
    DibSurface b;
    DibSurface scratchA;
    DibSurface scratchB;
    ASSERT_TRUE(a.Create(120, 90));
    ASSERT_TRUE(b.Create(120, 90));
    ASSERT_TRUE(scratchA.Create(400, 300));
    ASSERT_TRUE(scratchB.Create(400, 300));
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) {
            a.SetPixel(x, y, MakeColour(x * 2, y * 2, 77));
            b.SetPixel(x, y, MakeColour(x * 2, y * 2, 77));
        }
    for (DibSurface* s : {&a, &b}) {
        s->text.font = &font;
        s->text.colour = MakeColour(10, 200, 30);
    }
    const QImage untouched = a.Image().copy();
    const Rect box{7, 9, 115, 80};
    DrawTextSmooth(box, QStringLiteral("48"), a, scratchA);
    SmoothTheLongWay(box, QStringLiteral("48"), b, scratchB);
    EXPECT_EQ(a.Image(), b.Image());
    EXPECT_NE(a.Image(), untouched);  // something was drawn
}

TEST(DrawTextSmooth, WritesNothingWhenTheEnlargedBoxDoesNotFitTheScratch)
{
    EnsureApplication();
    const QFont font = MakeCellFont(NUMBER_FACE, 90);
    DibSurface destination;
    DibSurface scratch;
    ASSERT_TRUE(destination.Create(100, 40));
    ASSERT_TRUE(scratch.Create(75, 30));
    destination.FillRect(destination.Bounds(), 0x336699);
    destination.text.font = &font;
    DrawTextSmooth({0, 0, 100, 30}, QStringLiteral("7"), destination, scratch);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(destination.Pixel(x, y), 0x336699u);
}

}  // namespace
