// Bitmap buttons: which face each state shows, loading faces, binding to a dialog control.
#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "controls/lettered_face.h"
#include "controls/picture_density.h"
#include "test_faces.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QColor UP_COLOUR(255, 199, 139);
const QColor DOWN_COLOUR(78, 40, 0);
const QColor FOCUSED_COLOUR(0, 128, 0);
const QColor DISABLED_COLOUR(128, 128, 128);

class BitmapButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        up = MakeTestFace(QStringLiteral("TESTU"), QSize(80, 30), UP_COLOUR);
        down = MakeTestFace(QStringLiteral("TESTD"), QSize(80, 30), DOWN_COLOUR);
        focused = MakeTestFace(QStringLiteral("TESTF"), QSize(80, 30), FOCUSED_COLOUR);
        disabled = MakeTestFace(QStringLiteral("TESTX"), QSize(80, 30), DISABLED_COLOUR);
        caption = up.chopped(1);
    }

    QColor ChosenColour(const BitmapButton& button, int state)
    {
        const QPixmap* face = button.ChooseFace(state);
        return face == nullptr ? QColor() : face->toImage().pixelColor(5, 5);
    }

    QString up, down, focused, disabled, caption;
};

TEST_F(BitmapButtonTest, WithTheGamesFacesOnlyAHeldButtonLooksDifferent)
{
    BitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(up, down));
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_NORMAL), UP_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_SELECTED), DOWN_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_SELECTED | BitmapButton::ITEM_FOCUSED), DOWN_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_FOCUSED), UP_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_DISABLED), UP_COLOUR);
}

TEST_F(BitmapButtonTest, PressedBeatsFocusedBeatsDisabled)
{
    BitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(up, down, focused, disabled));
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_SELECTED | BitmapButton::ITEM_FOCUSED
                                       | BitmapButton::ITEM_DISABLED), DOWN_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_FOCUSED | BitmapButton::ITEM_DISABLED), FOCUSED_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_DISABLED), DISABLED_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_NORMAL), UP_COLOUR);
}

TEST_F(BitmapButtonTest, AHeldButtonWithoutADownFaceShowsItsUpFace)
{
    BitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(up));
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_SELECTED), UP_COLOUR);
}

TEST_F(BitmapButtonTest, AMissingNormalFaceLoadsNothingElse)
{
    BitmapButton button;
    EXPECT_FALSE(button.LoadBitmaps(caption + QStringLiteral("Q"), down));
    EXPECT_EQ(button.ChooseFace(BitmapButton::ITEM_SELECTED), nullptr);
}

TEST_F(BitmapButtonTest, AMissingOptionalFaceIsReportedButTheOthersStay)
{
    BitmapButton button;
    EXPECT_FALSE(button.LoadBitmaps(up, down, caption + QStringLiteral("Q")));
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_SELECTED), DOWN_COLOUR);
    EXPECT_EQ(ChosenColour(button, BitmapButton::ITEM_FOCUSED), UP_COLOUR);
}

TEST_F(BitmapButtonTest, PaintingCopiesTheChosenFace)
{
    QDialog dialog;
    BitmapButton button(&dialog);
    ASSERT_TRUE(button.LoadBitmaps(up, down));
    button.SizeToContent();
    dialog.show();
    EXPECT_EQ(ShownColour(button), UP_COLOUR);
    button.setDown(true);
    EXPECT_EQ(ShownColour(button), DOWN_COLOUR);
    button.setDown(false);
    EXPECT_EQ(ShownColour(button), UP_COLOUR);
}

TEST_F(BitmapButtonTest, AutoLoadGivesTheControlItsFaceSizeAndKeepsItsCorner)
{
    QDialog dialog;
    const std::string text = caption.toStdString();
    const ControlTemplate controls[] = {{1, ControlKind::OWNER_DRAW_BUTTON, text.c_str(), 7, 192, 50, 14}};
    BuildDialog(dialog, {"test", 255, 213, controls}, [](int) {});
    auto* button = qobject_cast<BitmapButton*>(FindControl(&dialog, 1));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(10, 312, 75, 22));

    EXPECT_TRUE(button->AutoLoad(1, &dialog));
    EXPECT_EQ(button->geometry(), QRect(10, 312, 80, 30));
}

TEST_F(BitmapButtonTest, AutoLoadRefusesAnotherControlOrAMissingFace)
{
    QDialog dialog;
    const ControlTemplate controls[] = {
        {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_NO_SUCH_FACE", 7, 192, 50, 14},
    };
    BuildDialog(dialog, {"test", 255, 213, controls}, [](int) {});
    auto* button = qobject_cast<BitmapButton*>(FindControl(&dialog, 1));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->AutoLoad(2, &dialog));
    EXPECT_FALSE(button->AutoLoad(1, &dialog));
    EXPECT_EQ(button->geometry(), QRect(10, 312, 75, 22));
}

TEST_F(BitmapButtonTest, AFacelessButtonStillClicksByMouseAndKeyboard)
{
    QDialog dialog;
    int commands = 0;
    const ControlTemplate controls[] = {
        {1003, ControlKind::OWNER_DRAW_BUTTON, "IDB_NO_SUCH_FACE", 7, 7, 50, 14},
    };
    BuildDialog(dialog, {"test", 100, 50, controls}, [&commands](int id) { commands += id == 1003; });
    auto* button = qobject_cast<BitmapButton*>(FindControl(&dialog, 1003));
    button->AutoLoad(1003, &dialog);
    dialog.show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(commands, 1);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(commands, 2);
}

TEST(SpokenNameTest, FaceNamesAreSpokenAsTheWordsOnTheFace)
{
    const std::pair<const char*, const char*> table[] = {
        {"IDB_OK", "OK"},
        {"IDB_CANCEL", "Cancel"},
        {"IDB_DEFAULT", "Default"},
        {"IDB_WEBSITE", "Visit Website"},
        {"IDB_SETMUSIC", "Set Music Dir"},
        {"IDB_RESET", "Reset Statistics"},
        {"IDB_YES", "Yes"},
        {"IDB_NO", "No"},
        {"New", "New"},
        {"IDB_OKU", "IDB_OKU"},
    };
    for (const auto& [caption, spoken] : table)
        EXPECT_EQ(BitmapButton::SpokenName(QString::fromLatin1(caption)), QString::fromLatin1(spoken)) << caption;
    QWidget parent;
    BitmapButton button;
    button.Create(QStringLiteral("IDB_CANCEL"), &parent, 2);
    EXPECT_EQ(button.text(), QStringLiteral("IDB_CANCEL")) << "the faces are still found by the caption";
    EXPECT_EQ(button.accessibleName(), QStringLiteral("Cancel"));
}

TEST(FacePathTest, NamesAndNumbersFindTheGamesPictures)
{
    EXPECT_EQ(BitmapButton::FacePath(QStringLiteral("IDB_OKU")), QStringLiteral(":/faces/IDB_OKU.png"));
    EXPECT_EQ(BitmapButton::FacePath(QStringLiteral("169")), QStringLiteral(":/bitmaps/169.png"));
    EXPECT_EQ(BitmapButton::FacePath(QString()), QString());
}

TEST(LetteredFaceTest, TheEnglishWordsLetteredAtRunTimeAreTheGeneratedPicturesPixelForPixel)
{
    const std::pair<const char*, const char*> faces[] = {
        {"IDB_OK", "OK"},         {"IDB_CANCEL", "Cancel"},         {"IDB_DEFAULT", "Default"},
        {"IDB_SETMUSIC", "Set Music Dir"}, {"IDB_WEBSITE", "Visit Website"}, {"IDB_RESET", "Reset Statistics"},
        {"IDB_YES", "Yes"},       {"IDB_NO", "No"},
    };
    for (const auto& [caption, words] : faces) {
        for (const int density : {1, 2}) {
            for (const bool pressed : {false, true}) {
                const QString name = QString::fromLatin1(caption) + (pressed ? u'D' : u'U');
                const QString path = BitmapButton::FacePath(name);
                const QImage generated
                    = QImage(density == 2 ? TwinPath(path) : path).convertToFormat(QImage::Format_RGB32);
                const QImage lettered = LetteredFace(QString::fromLatin1(words),
                                                     FaceDesignSize(QString::fromLatin1(caption)), pressed, density);
                EXPECT_FALSE(generated.isNull()) << name.toStdString();
                EXPECT_TRUE(lettered == generated) << name.toStdString() << " at density " << density;
            }
        }
    }
}

TEST(LetteredFaceTest, WordsTooLongForTheFaceWidenItAndKeepTheirRoomOnBothSides)
{
    const QSize design = FaceDesignSize(QStringLiteral("IDB_OK"));
    EXPECT_EQ(design, QSize(80, 30));
    EXPECT_EQ(FaceDesignSize(QStringLiteral("IDB_OKU")), QSize()) << "a face name, not a caption";
    EXPECT_EQ(LetteredFaceWidth(QStringLiteral("Ja"), design), 80);
    const QString longWords = QStringLiteral("[ÓĶ Ábbréçhéñ ·······]");
    const int wide = LetteredFaceWidth(longWords, design);
    EXPECT_GT(wide, 80);
    const QImage face = LetteredFace(longWords, design, false, 2);
    EXPECT_EQ(face.size(), QSize(2 * wide, 60));
    // No lettering within the side room: the columns there are bevel and peach only.
    const QColor peach(255, 199, 139);
    for (const int x : {4 * 2, (wide - 5) * 2})
        EXPECT_EQ(face.pixelColor(x, 30), peach) << x;
}

} // namespace

