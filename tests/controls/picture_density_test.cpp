// Choosing a control picture's density: the twin's name, when the twin is used, and the fallbacks.
#include "controls/bitmap_button.h"
#include "controls/picture_density.h"
#include "test_faces.h"

#include <QDialog>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QColor PLAIN_COLOUR(255, 199, 139);
const QColor DENSE_COLOUR(0, 90, 200);

TEST(TwinPathTest, TheMarkGoesBeforeTheExtension)
{
    EXPECT_EQ(TwinPath(QStringLiteral(":/faces/IDB_OKU.png")), QStringLiteral(":/faces/IDB_OKU@2x.png"));
    EXPECT_EQ(TwinPath(QStringLiteral(":/bitmaps/167.png")), QStringLiteral(":/bitmaps/167@2x.png"));
    EXPECT_EQ(TwinPath(QStringLiteral("/tmp/v1.2/face.png")), QStringLiteral("/tmp/v1.2/face@2x.png"));
    EXPECT_EQ(TwinPath(QStringLiteral("/tmp/v1.2/face")), QStringLiteral("/tmp/v1.2/face@2x"));
}

class LoadPictureTest : public ::testing::Test {
protected:
    // A plain 80 x 30 face; its twin (if any) of the given size.
    QString MakeFace(const QString& name, QSize twinSize = {})
    {
        const QString face = MakeTestFace(name, QSize(80, 30), PLAIN_COLOUR);
        if (twinSize.isValid())
            MakeTestFace(name + QStringLiteral("@2x"), twinSize, DENSE_COLOUR);
        return face + QStringLiteral(".png");
    }

    static QColor Colour(const QPixmap& picture) { return picture.toImage().pixelColor(3, 3); }
};

TEST_F(LoadPictureTest, APlainScreenGetsThePlainPictureEvenWithATwinBeside)
{
    const QPixmap picture = LoadPicture(MakeFace(QStringLiteral("PLAIN1"), QSize(160, 60)), 1);
    EXPECT_EQ(picture.size(), QSize(80, 30));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(Colour(picture), PLAIN_COLOUR);
}

TEST_F(LoadPictureTest, ADenseScreenGetsTheTwinAtTheSameLogicalSize)
{
    const QPixmap picture = LoadPicture(MakeFace(QStringLiteral("DENSE1"), QSize(160, 60)), 2);
    EXPECT_EQ(picture.size(), QSize(160, 60));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(80, 30));
    EXPECT_EQ(Colour(picture), DENSE_COLOUR);
}

TEST_F(LoadPictureTest, BetweenTheDensitiesTheTwinIsShrunkOnceToTheScreensPixels)
{
    const QString face = MakeFace(QStringLiteral("BETWEEN"), QSize(160, 60));
    const QImage twin(TwinPath(face));
    struct Between {
        qreal ratio;
        QSize pixels;
    };
    const Between table[] = {{1.25, {100, 38}}, {1.5, {120, 45}}, {1.75, {140, 53}}};
    for (const Between& row : table) {
        const QPixmap picture = LoadPicture(face, row.ratio);
        EXPECT_EQ(picture.size(), row.pixels) << row.ratio;
        EXPECT_EQ(picture.devicePixelRatio(), row.ratio);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(80, 30)) << row.ratio;
        EXPECT_EQ(picture.toImage().convertToFormat(QImage::Format_RGB32),
                  twin.scaled(row.pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32))
            << row.ratio;
    }
}

TEST_F(LoadPictureTest, WithoutATwinADenseScreenGetsThePlainPicture)
{
    const QPixmap picture = LoadPicture(MakeFace(QStringLiteral("NOTWIN")), 2);
    EXPECT_EQ(picture.size(), QSize(80, 30));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_EQ(Colour(picture), PLAIN_COLOUR);
}

TEST_F(LoadPictureTest, ATwinOfTheWrongSizeIsPassedOver)
{
    for (const QSize wrong : {QSize(80, 30), QSize(161, 60), QSize(240, 90)}) {
        const QPixmap picture = LoadPicture(MakeFace(QStringLiteral("ODDTWIN"), wrong), 2);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(80, 30)) << wrong.width();
        EXPECT_EQ(Colour(picture), PLAIN_COLOUR) << wrong.width();
    }
}

TEST_F(LoadPictureTest, ALoneTwinOrNoPathLoadsNothing)
{
    const QString face = MakeFace(QStringLiteral("LONELY"), QSize(160, 60));
    ASSERT_TRUE(QFile::remove(face));
    EXPECT_TRUE(LoadPicture(face, 2).isNull());
    EXPECT_TRUE(LoadPicture(QString(), 2).isNull());
}

// On a plain screen a button keeps its plain faces even when twins exist.
TEST_F(LoadPictureTest, AButtonOnAPlainScreenWearsThePlainFaces)
{
    QDialog dialog;
    BitmapButton button(&dialog);
    const QString face = MakeFace(QStringLiteral("BUTTONU"), QSize(160, 60));
    ASSERT_TRUE(button.LoadBitmaps(face.chopped(4)));
    button.SizeToContent();
    dialog.show();
    EXPECT_EQ(button.FaceDensity(), 1);
    EXPECT_EQ(button.size(), QSize(80, 30));
    EXPECT_EQ(ShownColour(button), PLAIN_COLOUR);
}

} // namespace
