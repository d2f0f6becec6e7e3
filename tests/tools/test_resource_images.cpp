// The generated pictures: present in the program's resources, the right sizes,
// and the colours the controls and the board rely on.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

namespace {

QImage Load(const char* path)
{
    QImage image(QString::fromLatin1(path));
    EXPECT_FALSE(image.isNull()) << path;
    return image;
}

::testing::AssertionResult HasColour(const QImage& image, int x, int y, QColor expected)
{
    const QColor actual = image.pixelColor(x, y);
    if (actual.rgb() == expected.rgb())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is (" << actual.red() << ", "
                                         << actual.green() << ", " << actual.blue() << ")";
}

struct Average {
    double r = 0, g = 0, b = 0;
};

Average AverageColour(const QImage& image)
{
    Average a;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            a.r += c.red();
            a.g += c.green();
            a.b += c.blue();
        }
    const double n = static_cast<double>(image.width()) * image.height();
    return {a.r / n, a.g / n, a.b / n};
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean colour step between neighbouring columns, and across the seam where a
// tile's right edge meets the next tile's left edge.
void ColumnSteps(const QImage& image, double& inside, double& seam)
{
    double sum = 0;
    double seamSum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x)
            sum += ChannelDistance(image.pixel(x, y), image.pixel(x + 1, y));
        seamSum += ChannelDistance(image.pixel(image.width() - 1, y), image.pixel(0, y));
    }
    inside = sum / (static_cast<double>(image.height()) * (image.width() - 1));
    seam = seamSum / image.height();
}

} // namespace

TEST(Textures, BoardTextureIsADarkPurpleTileOfItsSize)
{
    const QImage board = Load(":/bitmaps/172.png");
    EXPECT_EQ(board.size(), QSize(85, 64));
    const Average a = AverageColour(board);
    EXPECT_LT(a.r + a.g + a.b, 3 * 60.0) << "dark enough for blocks to stand out";
    EXPECT_GT(a.b, a.g + 10);
    EXPECT_GT(a.r, a.g + 5);
}

TEST(Textures, BackdropIsBrownWoodOfItsSize)
{
    const QImage wood = Load(":/bitmaps/173.png");
    EXPECT_EQ(wood.size(), QSize(201, 79));
    const Average a = AverageColour(wood);
    EXPECT_GT(a.r, a.g + 25);
    EXPECT_GT(a.g, a.b + 25);
}

TEST(Textures, TilesJoinWithoutAVisibleSeam)
{
    for (const char* path : {":/bitmaps/172.png", ":/bitmaps/173.png"}) {
        const QImage tile = Load(path);
        double inside = 0, seam = 0;
        ColumnSteps(tile, inside, seam);
        EXPECT_LT(seam, 2.0 * inside + 4.0) << path;
        const QImage turned = tile.transformed(QTransform().rotate(90));
        ColumnSteps(turned, inside, seam);
        EXPECT_LT(seam, 2.0 * inside + 4.0) << path << " top to bottom";
    }
}

TEST(ButtonFaces, EveryFaceHasItsSizeAndBothStates)
{
    const struct {
        const char* name;
        QSize size;
    } faces[] = {{"IDB_OK", {80, 30}},
                 {"IDB_CANCEL", {80, 30}},
                 {"IDB_DEFAULT", {100, 30}},
                 {"IDB_SETMUSIC", {140, 30}},
                 {"IDB_WEBSITE", {140, 30}},
                 {"IDB_RESET", {150, 30}},
                 {"IDB_YES", {80, 30}},
                 {"IDB_NO", {80, 30}}};
    for (const auto& face : faces) {
        for (const char* state : {"U", "D"}) {
            const QString path = QString(":/faces/%1%2.png").arg(face.name, state);
            const QImage image(path);
            ASSERT_FALSE(image.isNull()) << path.toStdString();
            EXPECT_EQ(image.size(), face.size) << path.toStdString();
            // Beside the caption the face is plain peach.
            EXPECT_TRUE(HasColour(image, 4, 15, QColor(255, 199, 139))) << path.toStdString();
            EXPECT_TRUE(HasColour(image, face.size.width() - 5, 15, QColor(255, 199, 139))) << path.toStdString();
        }
    }
    // No focused or disabled faces: those look-ups must find nothing.
    EXPECT_TRUE(QImage(":/faces/IDB_OKF.png").isNull());
    EXPECT_TRUE(QImage(":/faces/IDB_OKX.png").isNull());
}

TEST(ButtonFaces, UpFaceIsRaisedAndDownFaceSunken)
{
    const QImage up = Load(":/faces/IDB_CANCELU.png");
    const QImage down = Load(":/faces/IDB_CANCELD.png");
    const QColor white(255, 255, 255), paleInner(255, 230, 200);
    const QColor darkOuter(122, 72, 22), darkInner(196, 138, 78);
    // Two pixels of bevel on every edge.
    EXPECT_TRUE(HasColour(up, 40, 0, white));
    EXPECT_TRUE(HasColour(up, 40, 1, paleInner));
    EXPECT_TRUE(HasColour(up, 0, 15, white));
    EXPECT_TRUE(HasColour(up, 40, 29, darkOuter));
    EXPECT_TRUE(HasColour(up, 40, 28, darkInner));
    EXPECT_TRUE(HasColour(up, 79, 15, darkOuter));
    EXPECT_TRUE(HasColour(up, 78, 15, darkInner));
    EXPECT_TRUE(HasColour(down, 40, 0, darkOuter));
    EXPECT_TRUE(HasColour(down, 40, 1, darkInner));
    EXPECT_TRUE(HasColour(down, 0, 15, darkOuter));
    EXPECT_TRUE(HasColour(down, 40, 29, white));
    EXPECT_TRUE(HasColour(down, 79, 15, white));
    EXPECT_TRUE(HasColour(up, 2, 2, QColor(255, 199, 139)));
}

TEST(ButtonFaces, CaptionIsDarkBrownAndSinksWhenPressed)
{
    const QImage up = Load(":/faces/IDB_OKU.png");
    const QImage down = Load(":/faces/IDB_OKD.png");
    int lettering = 0;
    // Inside the bevel, leaving room for the one-pixel shift.
    for (int y = 2; y < 27; ++y)
        for (int x = 2; x < 77; ++x) {
            if (up.pixelColor(x, y) == QColor(78, 40, 0))
                ++lettering;
            // The pressed caption is the raised one moved a pixel down and right.
            EXPECT_EQ(down.pixel(x + 1, y + 1), up.pixel(x, y)) << x << ", " << y;
        }
    EXPECT_GT(lettering, 40);
}

TEST(DigitStrip, TwoRowsOfTenSixteenByTwentyFourCells)
{
    const QImage strip = Load(":/bitmaps/167.png");
    ASSERT_EQ(strip.size(), QSize(160, 48));
    EXPECT_EQ((strip.width() + 5) / 10, 16);
    EXPECT_EQ((strip.height() + 1) / 2, 24);
}

namespace {

constexpr int CELL_W = 16;
constexpr int CELL_H = 24;

bool Lit(const QImage& strip, int column, int row, int x, int y)
{
    return strip.pixelColor(column * CELL_W + x, row * CELL_H + y) == QColor(255, 0, 0);
}

// The centre pixel of each of the seven segments a..g within a cell.
const QPoint SEGMENT_CENTRES[7] = {{7, 2}, {12, 6}, {12, 15}, {7, 20}, {3, 15}, {3, 6}, {7, 11}};

int LitSegments(const QImage& strip, int column, int row)
{
    int mask = 0;
    for (int s = 0; s < 7; ++s)
        if (Lit(strip, column, row, SEGMENT_CENTRES[s].x(), SEGMENT_CENTRES[s].y()))
            mask |= 1 << s;
    return mask;
}

} // namespace

TEST(DigitStrip, RowZeroHoldsTheDigitsInOrder)
{
    const QImage strip = Load(":/bitmaps/167.png");
    const int expected[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(LitSegments(strip, d, 0), expected[d]) << "digit " << d;
}

TEST(DigitStrip, RowOneHoldsABlankAndAMinus)
{
    const QImage strip = Load(":/bitmaps/167.png");
    EXPECT_EQ(LitSegments(strip, 0, 1), 0);
    EXPECT_EQ(LitSegments(strip, 1, 1), 0x40);
    for (int y = 0; y < CELL_H; ++y)
        for (int x = 0; x < CELL_W; ++x)
            EXPECT_FALSE(Lit(strip, 0, 1, x, y)) << "the blank has no lit pixel";
}

TEST(DigitStrip, UnlitSegmentsGlowFaintlyOnMaroon)
{
    const QImage strip = Load(":/bitmaps/167.png");
    const QColor ground(57, 33, 33);
    for (int column = 0; column < 10; ++column)
        for (int row = 0; row < 2; ++row) {
            EXPECT_TRUE(HasColour(strip, column * CELL_W, row * CELL_H, ground));
            EXPECT_TRUE(HasColour(strip, column * CELL_W + 15, row * CELL_H + 23, ground));
        }
    // The 1 leaves its middle segment unlit, drawn faintly; the blank shows all.
    EXPECT_TRUE(HasColour(strip, 1 * CELL_W + 7, 11, QColor(107, 24, 24)));
    EXPECT_TRUE(HasColour(strip, 1 * CELL_W + 7, 10, QColor(66, 41, 41)));
    EXPECT_TRUE(HasColour(strip, 7, CELL_H + 2, QColor(107, 24, 24)));
}

TEST(ArrowFaces, LavenderFacesWithBevelAndBlackArrow)
{
    const QColor lavender(132, 132, 198), white(255, 255, 255), grey(128, 128, 128);
    for (int id : {168, 169, 170, 171}) {
        const QImage face(QString(":/bitmaps/%1.png").arg(id));
        ASSERT_FALSE(face.isNull()) << id;
        EXPECT_EQ(face.size(), QSize(32, 24)) << id;
        EXPECT_TRUE(HasColour(face, 4, 4, lavender)) << id;
        EXPECT_TRUE(HasColour(face, 16, 12, QColor(0, 0, 0))) << id << " arrow in the middle";
        const bool up = id == 169 || id == 171;
        EXPECT_TRUE(HasColour(face, 10, 0, up ? white : QColor(66, 66, 88))) << id;
        EXPECT_TRUE(HasColour(face, 10, 22, up ? grey : QColor(206, 206, 236))) << id;
    }
}

TEST(ArrowFaces, LeftArrowsPointLeftAndRightArrowsRight)
{
    // The tip of the arrow is a single black pixel on the middle row; the
    // wide end is tall. Compare how much black each half holds.
    auto blackIn = [](const QImage& face, int x0, int x1) {
        int n = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = x0; x < x1; ++x)
                n += face.pixelColor(x, y) == QColor(0, 0, 0);
        return n;
    };
    for (int id : {168, 169}) {
        const QImage face = Load(QString(":/bitmaps/%1.png").arg(id).toLatin1().constData());
        EXPECT_GT(blackIn(face, 16, 32), blackIn(face, 0, 16)) << id;
    }
    for (int id : {170, 171}) {
        const QImage face = Load(QString(":/bitmaps/%1.png").arg(id).toLatin1().constData());
        EXPECT_GT(blackIn(face, 0, 16), blackIn(face, 16, 32)) << id;
    }
}

TEST(Icons, WindowIconsAndTheLargeOne)
{
    for (const char* path : {":/icons/128.png", ":/icons/160.png"}) {
        const QImage icon = Load(path);
        EXPECT_EQ(icon.size(), QSize(32, 32)) << path;
    }
    const QImage large = Load(":/icons/kolumo-256.png");
    EXPECT_EQ(large.size(), QSize(256, 256));
    // The large icon is the same design: every 8 x 8 block of it has the
    // colour of the matching pixel of the small one.
    const QImage small = Load(":/icons/128.png");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(large.pixel(8 * x + 4, 8 * y + 4), small.pixel(x, y)) << x << ", " << y;
}

TEST(HighDensity, EveryControlPictureHasATwiceAsLargeTwin)
{
    const char* names[] = {":/bitmaps/167", ":/bitmaps/168", ":/bitmaps/169", ":/bitmaps/170", ":/bitmaps/171",
                           ":/faces/IDB_OKU", ":/faces/IDB_OKD", ":/faces/IDB_CANCELU", ":/faces/IDB_CANCELD",
                           ":/faces/IDB_DEFAULTU", ":/faces/IDB_DEFAULTD", ":/faces/IDB_SETMUSICU",
                           ":/faces/IDB_SETMUSICD", ":/faces/IDB_WEBSITEU", ":/faces/IDB_WEBSITED",
                           ":/faces/IDB_RESETU", ":/faces/IDB_RESETD", ":/faces/IDB_YESU", ":/faces/IDB_YESD",
                           ":/faces/IDB_NOU", ":/faces/IDB_NOD"};
    for (const char* name : names) {
        const QImage normal(QString("%1.png").arg(name));
        const QImage dense(QString("%1@2x.png").arg(name));
        ASSERT_FALSE(normal.isNull() || dense.isNull()) << name;
        EXPECT_EQ(dense.size(), normal.size() * 2) << name;
        // Flat areas keep their colour: the peach face, the lavender arrow
        // face, the maroon ground of the digits.
        EXPECT_EQ(dense.pixel(2 * 4 + 1, 2 * 4 + 1), normal.pixel(4, 4)) << name;
    }
}

TEST(HighDensity, DenseDigitStripShowsTheSameSegments)
{
    const QImage dense = Load(":/bitmaps/167@2x.png");
    const QImage normal = Load(":/bitmaps/167.png");
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 10; ++column)
            for (const QPoint& centre : SEGMENT_CENTRES) {
                const int x = column * CELL_W + centre.x();
                const int y = row * CELL_H + centre.y();
                EXPECT_EQ(dense.pixel(2 * x, 2 * y), normal.pixel(x, y)) << column << ", " << row;
                EXPECT_EQ(dense.pixel(2 * x + 1, 2 * y + 1), normal.pixel(x, y)) << column << ", " << row;
            }
}

TEST(HighDensity, DenseFacesKeepABevelTwoRingsDeep)
{
    const QImage up = Load(":/faces/IDB_OKU@2x.png");
    const QImage down = Load(":/faces/IDB_OKD@2x.png");
    for (int k = 0; k < 2; ++k) {
        EXPECT_TRUE(HasColour(up, 80, k, QColor(255, 255, 255)));
        EXPECT_TRUE(HasColour(up, 80, 2 + k, QColor(255, 230, 200)));
        EXPECT_TRUE(HasColour(up, 80, 59 - k, QColor(122, 72, 22)));
        EXPECT_TRUE(HasColour(down, k, 30, QColor(122, 72, 22)));
        EXPECT_TRUE(HasColour(down, 159 - k, 30, QColor(255, 255, 255)));
    }
    EXPECT_TRUE(HasColour(up, 4, 30, QColor(255, 199, 139)));
}
