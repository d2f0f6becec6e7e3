// Letters a dialog button face with any words at run time, exactly as the face generator letters the game's own.
#include "controls/lettered_face.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

struct FaceSize {
    const char* caption;
    int width;
    int height;
};

// As tools/generate_faces.cpp draws them.
constexpr FaceSize FACE_SIZES[] = {
    {"IDB_OK", 80, 30},
    {"IDB_CANCEL", 80, 30},
    {"IDB_DEFAULT", 100, 30},
    {"IDB_SETMUSIC", 140, 30},
    {"IDB_WEBSITE", 140, 30},
    {"IDB_RESET", 150, 30},
    {"IDB_YES", 80, 30},
    {"IDB_NO", 80, 30},
};

const QColor PEACH(255, 199, 139);
const QColor LETTERING(78, 40, 0);
// Light outer, light inner, dark outer, dark inner, as on the classic raised button.
const QColor LIGHT_OUTER(255, 255, 255);
const QColor LIGHT_INNER(255, 230, 200);
const QColor DARK_OUTER(122, 72, 22);
const QColor DARK_INNER(196, 138, 78);

QFont CaptionFont(int density)
{
    // Liberation Sans Bold, as the generator draws; words in a script it
    // lacks take fontconfig's choice of a face that has them.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(15 * density);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// One pixel wide, inset pixels in from the image's edge; the bottom-left and
// top-right corner pixels belong to the shadow, light falling from the top left.
void FillRing(QImage& image, int inset, const QColor& topLeft, const QColor& bottomRight)
{
    const int right = image.width() - 1 - inset;
    const int bottom = image.height() - 1 - inset;
    for (int x = inset; x <= right; ++x) {
        image.setPixelColor(x, inset, topLeft);
        image.setPixelColor(x, bottom, bottomRight);
    }
    for (int y = inset; y <= bottom; ++y) {
        image.setPixelColor(inset, y, topLeft);
        image.setPixelColor(right, y, bottomRight);
    }
    image.setPixelColor(inset, bottom, bottomRight);
    image.setPixelColor(right, inset, bottomRight);
}

// Both rings, each density pixels wide; a pushed face is sunken.
void FillBevel(QImage& image, int density, bool pressed)
{
    for (int k = 0; k < density; ++k) {
        if (pressed) {
            FillRing(image, k, DARK_OUTER, LIGHT_OUTER);
            FillRing(image, density + k, DARK_INNER, LIGHT_INNER);
        } else {
            FillRing(image, k, LIGHT_OUTER, DARK_OUTER);
            FillRing(image, density + k, LIGHT_INNER, DARK_INNER);
        }
    }
}

} // namespace

QSize FaceDesignSize(const QString& caption)
{
    for (const FaceSize& face : FACE_SIZES) {
        if (caption == QLatin1String(face.caption))
            return {face.width, face.height};
    }
    return {};
}

int LetteredFaceWidth(const QString& words, QSize designSize)
{
    const int needed = QFontMetrics(CaptionFont(1)).horizontalAdvance(words) + 2 * FACE_SIDE_ROOM;
    return std::max(designSize.width(), needed);
}

QImage LetteredFace(const QString& words, QSize designSize, bool pressed, int density)
{
    const int width = LetteredFaceWidth(words, designSize);
    const int height = designSize.height();
    QImage image(width * density, height * density, QImage::Format_RGB32);
    image.fill(PEACH);
    FillBevel(image, density, pressed);
    QPainter painter(&image);
    painter.setFont(CaptionFont(density));
    painter.setPen(LETTERING);
    const int offset = pressed ? density : 0;
    const QRect textArea(2 * density + offset, 2 * density + offset, (width - 4) * density,
                         (height - 4) * density);
    painter.drawText(textArea, Qt::AlignCenter, words);
    return image;
}

QPixmap LetteredFacePicture(const QString& words, QSize designSize, bool pressed, qreal ratio)
{
    if (ratio <= 1)
        return QPixmap::fromImage(LetteredFace(words, designSize, pressed, 1));
    QImage dense = LetteredFace(words, designSize, pressed, 2);
    if (ratio < 2) {
        const QSize device(qRound(dense.width() / 2 * ratio), qRound(dense.height() / 2 * ratio));
        dense = dense.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        dense.setDevicePixelRatio(ratio);
    } else {
        dense.setDevicePixelRatio(2);
    }
    return QPixmap::fromImage(dense);
}
