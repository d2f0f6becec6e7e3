// On a screen between plain and twice dense (the scale is built in, one
// program per scale): faces and digits are the twins shrunk once and copied
// pixel for pixel, and the board is laid out in the screen's own pixels.
#include "board/board_view.h"
#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "controls/dialog_colours.h"
#include "controls/number_picker.h"
#include "controls/statistics_chart.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <QDialog>
#include <QImage>

#include <algorithm>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr qreal SCALE = KOLUMO_TEST_SCALE;

QImage Rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The part both pictures cover, compared pixel by pixel.
int DifferingPixels(const QImage& shown, const QImage& expected)
{
    const QImage a = Rgb(shown);
    const QImage b = Rgb(expected);
    int differing = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

QSize Device(QSize logical)
{
    return {qRound(logical.width() * SCALE), qRound(logical.height() * SCALE)};
}

// One value only: it puts the program's scale into every test's name.
class FractionalScaleTest : public ::testing::TestWithParam<qreal> {};

INSTANTIATE_TEST_SUITE_P(Scale, FractionalScaleTest, ::testing::Values(SCALE),
                         [](const ::testing::TestParamInfo<qreal>& info) {
                             return QByteArray::number(info.param).replace('.', '_').toStdString();
                         });

TEST_P(FractionalScaleTest, EveryWidgetIsAtTheScale)
{
    QWidget widget;
    EXPECT_EQ(widget.devicePixelRatioF(), SCALE);
}

TEST_P(FractionalScaleTest, AnOkButtonShowsItsTwinShrunkOncePixelForPixel)
{
    const QImage twin(QStringLiteral(":/faces/IDB_OKU@2x.png"));
    ASSERT_FALSE(twin.isNull());
    QDialog dialog;
    const ControlTemplate controls[] = {{1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 7, 192, 50, 14}};
    BuildDialog(dialog, {"test", 255, 213, controls}, [](int) {});
    auto* button = qobject_cast<BitmapButton*>(FindControl(&dialog, 1));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->AutoLoad(1, &dialog));
    EXPECT_EQ(button->geometry(), QRect(10, 312, 80, 30)) << "the button keeps its logical size";
    const QPixmap* face = button->ChooseFace(BitmapButton::ITEM_NORMAL);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->devicePixelRatio(), SCALE);
    EXPECT_EQ(face->size(), Device(QSize(80, 30)));
    EXPECT_EQ(Rgb(face->toImage()), Rgb(twin.scaled(face->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    dialog.show();
    // Painted without a second resampling: the screen shows the face's own pixels.
    EXPECT_EQ(DifferingPixels(button->grab().toImage(), face->toImage()), 0);
}

TEST_P(FractionalScaleTest, PickerArrowsAreShrunkTwinsAndKeepTheirPlaces)
{
    QDialog dialog;
    dialog.resize(300, 200);
    NumberPicker picker;
    picker.Create(QRect(30, 66, 115, 29), &dialog, 1010, 2, 10, 1);
    dialog.show();
    const QPixmap* arrow = picker.DecrementButton().ChooseFace(BitmapButton::ITEM_NORMAL);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->devicePixelRatio(), SCALE);
    EXPECT_EQ(arrow->size(), Device(QSize(32, 24)));
    EXPECT_EQ(picker.DecrementButton().geometry(), QRect(3, 3, 32, 24));
    EXPECT_EQ(picker.DigitArea(), QRect(41, 3, 16, 24));
    EXPECT_EQ(DifferingPixels(picker.IncrementButton().grab().toImage(),
                              picker.IncrementButton().ChooseFace(BitmapButton::ITEM_NORMAL)->toImage()),
              0);
}

TEST_P(FractionalScaleTest, TheBoardIsLaidOutAndShownInDevicePixels)
{
    SeedRandom(12345);
    Puzzle puzzle;
    BoardView view;
    view.SetPuzzle(&puzzle);
    puzzle.SetBoardView(&view);
    view.resize(350, 200);
    view.show();
    view.Tick();
    const QSize device = QSize(350, 200) * SCALE;
    EXPECT_EQ(view.DeviceClientSize(), device);
    EXPECT_EQ(view.Geometry().clientWidth, device.width());
    EXPECT_EQ(view.Geometry().clientHeight, device.height());
    const QImage shown = Rgb(view.grab().toImage());
    EXPECT_EQ(shown, Rgb(view.ComposeSurface().Image()));
    puzzle.SetBoardView(nullptr);
}

// Every bar edge on a pixel edge: below the scale's figure the chart holds
// its three colours and no blend of them.
TEST_P(FractionalScaleTest, TheStatisticsChartIsDrawnInWholeDevicePixels)
{
    StatisticsChart chart;
    std::vector<StatisticsDay> days;
    for (int k = 0; k < 30; ++k)
        days.push_back({20261101 + k, k % 7, k % 7 / 2});
    chart.SetDays(days);
    chart.resize(403, 117);
    const QImage shown = Rgb(chart.grab().toImage());
    ASSERT_EQ(shown.size(), Device(QSize(403, 117)));
    const QRgb colours[] = {DIALOG_BACKGROUND.rgb(), StatisticsChart::STARTED_COLOUR.rgb(),
                            StatisticsChart::CLEARED_COLOUR.rgb()};
    int blended = 0;
    for (int y = qRound(16 * SCALE); y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            blended += std::count(std::begin(colours), std::end(colours), shown.pixel(x, y)) == 0;
    EXPECT_EQ(blended, 0);
}

} // namespace
