// On a screen scaled by two: the controls keep their logical sizes and paint their twice-dense pictures.
#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "controls/number_picker.h"
#include "test_faces.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Pixels that differ between two pictures of the same size (all of them if
// the sizes differ); device pixel ratios aside.
int DifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            differing += left.pixel(x, y) != right.pixel(x, y);
    return differing;
}

// The plain picture blown up to twice its size: what a dense screen would
// show if the controls ignored the twins.
QImage Enlarged(const QString& path)
{
    const QImage plain(path);
    return plain.scaled(plain.size() * 2);
}

TEST(DenseScreenTest, EveryWidgetIsAtRatioTwo)
{
    QWidget widget;
    EXPECT_EQ(widget.devicePixelRatioF(), 2.0);
}

// The OK button from a dialog table, loaded the way every dialog loads it.
TEST(DenseBitmapButtonTest, AnOkButtonStaysEightyByThirtyAndShowsItsDenseFaceExactly)
{
    const QImage denseUp(QStringLiteral(":/faces/IDB_OKU@2x.png"));
    const QImage denseDown(QStringLiteral(":/faces/IDB_OKD@2x.png"));
    ASSERT_FALSE(denseUp.isNull()) << "the game's faces are built in";
    ASSERT_FALSE(denseDown.isNull()) << "the game's faces are built in";
    QDialog dialog;
    const ControlTemplate controls[] = {{1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 7, 192, 50, 14}};
    BuildDialog(dialog, {"test", 255, 213, controls}, [](int) {});
    auto* button = qobject_cast<BitmapButton*>(FindControl(&dialog, 1));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->AutoLoad(1, &dialog));
    EXPECT_EQ(button->geometry(), QRect(10, 312, 80, 30));
    EXPECT_EQ(button->FaceDensity(), 2);
    const QPixmap* face = button->ChooseFace(BitmapButton::ITEM_NORMAL);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->devicePixelRatio(), 2.0);
    EXPECT_EQ(face->size(), QSize(160, 60));

    dialog.show();
    const QImage shown = button->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(160, 60));
    EXPECT_EQ(DifferingPixels(shown, denseUp), 0);
    // The lettering is drawn anew, not blown up: hundreds of pixels tell.
    EXPECT_GT(DifferingPixels(shown, Enlarged(QStringLiteral(":/faces/IDB_OKU.png"))), 200);
    button->setDown(true);
    EXPECT_EQ(DifferingPixels(button->grab().toImage(), denseDown), 0);
}

TEST(DenseBitmapButtonTest, EveryGameFaceHasATwinOfTwiceItsSize)
{
    ASSERT_FALSE(QImage(QStringLiteral(":/faces/IDB_OKU.png")).isNull()) << "the game's faces are built in";
    for (const char* name : {"IDB_OK", "IDB_CANCEL", "IDB_DEFAULT", "IDB_SETMUSIC", "IDB_WEBSITE",
                             "IDB_RESET", "IDB_YES", "IDB_NO"}) {
        BitmapButton button;
        const QString caption = QString::fromLatin1(name);
        ASSERT_TRUE(button.LoadBitmaps(caption + QLatin1Char('U'), caption + QLatin1Char('D'))) << name;
        const QSize plain = QImage(BitmapButton::FacePath(caption + QLatin1Char('U'))).size();
        for (int state : {BitmapButton::ITEM_NORMAL, BitmapButton::ITEM_SELECTED}) {
            const QPixmap* face = button.ChooseFace(state);
            EXPECT_EQ(face->devicePixelRatio(), 2.0) << name;
            EXPECT_EQ(face->deviceIndependentSize().toSize(), plain) << name;
        }
        button.SizeToContent();
        EXPECT_EQ(button.size(), plain) << name;
    }
}

// A face without a twin is shown blown up, never smaller and never missing,
// while its partner still shows its dense twin.
TEST(DenseBitmapButtonTest, AFaceWithoutATwinFillsTheSameButton)
{
    const QColor denseUp(0, 90, 200);
    const QColor plainDown(78, 40, 0);
    const QString up = MakeTestFace(QStringLiteral("MIXEDU"), QSize(80, 30), QColor(255, 199, 139));
    MakeTestFace(QStringLiteral("MIXEDU@2x"), QSize(160, 60), denseUp);
    const QString down = MakeTestFace(QStringLiteral("MIXEDD"), QSize(80, 30), plainDown);

    QDialog dialog;
    BitmapButton button(&dialog);
    ASSERT_TRUE(button.LoadBitmaps(up, down));
    button.SizeToContent();
    EXPECT_EQ(button.size(), QSize(80, 30));
    dialog.show();
    for (const auto& [held, colour] : {std::pair{false, denseUp}, std::pair{true, plainDown}}) {
        button.setDown(held);
        const QImage shown = button.grab().toImage();
        ASSERT_EQ(shown.size(), QSize(160, 60));
        for (const QPoint corner : {QPoint(0, 0), QPoint(159, 0), QPoint(0, 59), QPoint(159, 59), QPoint(80, 30)})
            EXPECT_EQ(shown.pixelColor(corner), colour) << held << " " << corner.x() << "," << corner.y();
    }
}

// The about box's icon is a dialog table entry too: a twin, where one is
// made, keeps the icon's size.
TEST(DenseDialogIconTest, AnIconWithATwinKeepsItsSizeWithTwiceThePixels)
{
    const QString icon = MakeTestFace(QStringLiteral("ICON"), QSize(32, 32), QColor(200, 0, 0));
    MakeTestFace(QStringLiteral("ICON@2x"), QSize(64, 64), QColor(0, 0, 200));
    const std::string path = (icon + QStringLiteral(".png")).toStdString();
    QDialog dialog;
    const ControlTemplate controls[] = {{7, ControlKind::ICON, path.c_str(), 7, 7, 20, 20}};
    BuildDialog(dialog, {"test", 100, 60, controls}, [](int) {});
    auto* label = qobject_cast<QLabel*>(FindControl(&dialog, 7));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->size(), QSize(32, 32));
    EXPECT_EQ(label->pixmap().devicePixelRatio(), 2.0);
    dialog.show();
    EXPECT_EQ(ShownColour(*label), QColor(0, 0, 200));
}

class DensePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        strip = QImage(QStringLiteral(":/bitmaps/167@2x.png"));
        ASSERT_FALSE(strip.isNull()) << "the game's digit strip is built in";
        dialog.resize(300, 200);
        picker.Create(QRect(30, 66, 115, 29), &dialog, 1010, 2, 10, 1);
        picker.SetValue(5);
        dialog.show();
    }

    // The cell of the dense strip at column, row: 32 x 48 pixels.
    QImage DenseCell(int column, int row) const { return strip.copy(column * 32, row * 48, 32, 48); }

    QImage strip;
    QDialog dialog;
    NumberPicker picker;
};

TEST_F(DensePickerTest, TheGeometryStaysInLogicalPixels)
{
    EXPECT_EQ(picker.geometry(), QRect(30, 66, 115, 30));
    EXPECT_EQ(picker.DigitArea(), QRect(41, 3, 16, 24));
    EXPECT_EQ(picker.DecrementButton().geometry(), QRect(3, 3, 32, 24));
    EXPECT_EQ(picker.IncrementButton().geometry(), QRect(80, 3, 32, 24));
}

TEST_F(DensePickerTest, TheDigitsComeFromTheDenseStrip)
{
    const QImage shown = picker.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(230, 60));
    // "5" over 2 to 10: a blank cell (row 1, column 0), then the 5.
    EXPECT_EQ(DifferingPixels(shown.copy(82, 6, 32, 48), DenseCell(0, 1)), 0);
    EXPECT_EQ(DifferingPixels(shown.copy(114, 6, 32, 48), DenseCell(5, 0)), 0);
    const QImage enlargedFive = Enlarged(QStringLiteral(":/bitmaps/167.png")).copy(5 * 32, 0, 32, 48);
    EXPECT_GT(DifferingPixels(shown.copy(114, 6, 32, 48), enlargedFive), 20);

    picker.SetValue(10);
    const QImage ten = picker.grab().toImage();
    EXPECT_EQ(DifferingPixels(ten.copy(82, 6, 32, 48), DenseCell(1, 0)), 0);
    EXPECT_EQ(DifferingPixels(ten.copy(114, 6, 32, 48), DenseCell(0, 0)), 0);
}

TEST_F(DensePickerTest, TheArrowsWearTheirDenseFaces)
{
    const QImage decrement(QStringLiteral(":/bitmaps/169@2x.png"));
    const QImage increment(QStringLiteral(":/bitmaps/171@2x.png"));
    EXPECT_EQ(DifferingPixels(picker.DecrementButton().grab().toImage(), decrement), 0);
    EXPECT_EQ(DifferingPixels(picker.IncrementButton().grab().toImage(), increment), 0);
    picker.IncrementButton().setDown(true);
    EXPECT_EQ(DifferingPixels(picker.IncrementButton().grab().toImage(), QImage(QStringLiteral(":/bitmaps/170@2x.png"))), 0);
}

// Each ring of the bump is one logical pixel: two whole device pixels, with
// no half-covered or shifted line.
TEST_F(DensePickerTest, TheBumpEdgeIsTwoDevicePixelsPerRing)
{
    const QImage shown = picker.grab().toImage();
    const int right = shown.width() - 1;
    const int bottom = shown.height() - 1;
    for (int d : {0, 1}) {
        EXPECT_EQ(shown.pixelColor(d, 20), QColor(227, 227, 227)) << d;
        EXPECT_EQ(shown.pixelColor(20, d), QColor(227, 227, 227)) << d;
        EXPECT_EQ(shown.pixelColor(2 + d, 20), QColor(160, 160, 160)) << d;
        EXPECT_EQ(shown.pixelColor(right - d, 20), QColor(105, 105, 105)) << d;
        EXPECT_EQ(shown.pixelColor(20, bottom - d), QColor(105, 105, 105)) << d;
        EXPECT_EQ(shown.pixelColor(right - 2 - d, 20), QColor(255, 255, 255)) << d;
        EXPECT_EQ(shown.pixelColor(4 + d, 20), QColor(Qt::black)) << d;
        EXPECT_EQ(shown.pixelColor(right - 4 - d, 20), QColor(Qt::black)) << d;
    }
}

} // namespace
