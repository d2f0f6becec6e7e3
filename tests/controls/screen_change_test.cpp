// A dialog moved between a plain and a twice-dense screen: its controls reload their pictures.
#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "controls/number_picker.h"

#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool SameImage(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

class ScreenChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(QImage(QStringLiteral(":/faces/IDB_OKU@2x.png")).isNull()) << "the dense faces are built in";
        ASSERT_FALSE(QImage(QStringLiteral(":/bitmaps/167@2x.png")).isNull()) << "the dense digits are built in";
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        const ControlTemplate controls[] = {{1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 7, 7, 50, 14}};
        BuildDialog(dialog, {"test", 200, 100, controls}, [](int) {});
        button = qobject_cast<BitmapButton*>(FindControl(&dialog, 1));
        ASSERT_TRUE(button->AutoLoad(1, &dialog));
        picker.Create(QRect(30, 66, 115, 29), &dialog, 1010, 2, 10, 1);
        picker.SetValue(7);
        MoveTo(QPoint(100, 100), QStringLiteral("plain"));
        dialog.show();
    }

    // Moves the dialog as the player would drag it, onto the named screen.
    void MoveTo(QPoint topLeft, const QString& screen)
    {
        dialog.move(topLeft);
        // The window system reports the new screen through the event loop;
        // the controls follow as the window is told.
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.screen()->name() == screen; }, 10000))
            << "still on " << dialog.screen()->name().toStdString();
    }

    // What the digit cells of the picker show, in device pixels.
    QImage Digits()
    {
        const QImage shown = picker.grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QRect cells = picker.DigitArea();
        return shown.copy(QRect(cells.topLeft() * ratio, QSize(2 * cells.width(), cells.height()) * ratio));
    }

    QDialog dialog;
    BitmapButton* button = nullptr;
    NumberPicker picker;
};

TEST_F(ScreenChangeTest, ADialogDraggedOntoADenseScreenSharpensAndBackAgain)
{
    const QImage plainDigits = Digits();
    EXPECT_EQ(button->FaceDensity(), 1);
    EXPECT_TRUE(SameImage(button->grab().toImage(), QImage(QStringLiteral(":/faces/IDB_OKU.png"))));

    MoveTo(QPoint(1100, 100), QStringLiteral("dense"));
    EXPECT_EQ(button->FaceDensity(), 2);
    EXPECT_EQ(button->size(), QSize(80, 30));
    EXPECT_TRUE(SameImage(button->grab().toImage(), QImage(QStringLiteral(":/faces/IDB_OKU@2x.png"))));
    EXPECT_EQ(picker.DecrementButton().FaceDensity(), 2);
    EXPECT_EQ(picker.size(), QSize(115, 30));
    EXPECT_EQ(picker.DigitArea(), QRect(41, 3, 16, 24));
    // " 7": a blank cell, then the 7, from the dense strip.
    const QImage strip(QStringLiteral(":/bitmaps/167@2x.png"));
    const QImage denseDigits = Digits();
    EXPECT_TRUE(SameImage(denseDigits.copy(0, 0, 32, 48), strip.copy(0, 48, 32, 48)));
    EXPECT_TRUE(SameImage(denseDigits.copy(32, 0, 32, 48), strip.copy(7 * 32, 0, 32, 48)));

    MoveTo(QPoint(100, 100), QStringLiteral("plain"));
    EXPECT_EQ(button->FaceDensity(), 1);
    EXPECT_EQ(picker.IncrementButton().FaceDensity(), 1);
    EXPECT_TRUE(SameImage(button->grab().toImage(), QImage(QStringLiteral(":/faces/IDB_OKU.png"))));
    EXPECT_TRUE(SameImage(Digits(), plainDigits));
}

} // namespace
