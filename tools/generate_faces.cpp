// Makes the faces of the dialogs' text buttons: peach, bevelled, lettered.
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

struct FaceDesign {
    const char* name;   // resource name without the U / D suffix
    const char* caption;
    int width;
    int height;
};

const FaceDesign FACES[] = {
    {"IDB_OK", "OK", 80, 30},
    {"IDB_CANCEL", "Cancel", 80, 30},
    {"IDB_DEFAULT", "Default", 100, 30},
    {"IDB_SETMUSIC", "Set Music Dir", 140, 30},
    {"IDB_WEBSITE", "Visit Website", 140, 30},
};

const QColor PEACH(255, 199, 139);
const QColor LETTERING(78, 40, 0);
// Two rings of bevel: the outer one stronger, the inner one a softer step
// towards the face, as on the classic raised button.
const QColor LIGHT_OUTER(255, 255, 255);
const QColor LIGHT_INNER(255, 230, 200);
const QColor DARK_OUTER(122, 72, 22);
const QColor DARK_INNER(196, 138, 78);

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
    // The bottom-left and top-right corner pixels belong to the shadow, like
    // light falling from the top left.
    image.setPixelColor(inset, bottom, bottomRight);
    image.setPixelColor(right, inset, bottomRight);
}

QFont CaptionFont(int scale)
{
    // Liberation Sans has Arial's shapes and metrics; fall back to whatever
    // sans face fontconfig offers if it is missing.
    const QString path = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
    QString family = "Liberation Sans";
    const int id = QFontDatabase::addApplicationFont(path);
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        family = QFontDatabase::applicationFontFamilies(id).first();
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(15 * scale);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// At scale 2 every ring of the bevel is two pixels wide and the caption is
// drawn from the font at twice the size, for screens with twice the density.
QImage MakeFace(const FaceDesign& face, bool pressed, const QFont& font, int scale)
{
    QImage image(face.width * scale, face.height * scale, QImage::Format_RGB32);
    image.fill(PEACH);
    for (int k = 0; k < scale; ++k) {
        if (pressed) {
            FillRing(image, k, DARK_OUTER, LIGHT_OUTER);
            FillRing(image, scale + k, DARK_INNER, LIGHT_INNER);
        } else {
            FillRing(image, k, LIGHT_OUTER, DARK_OUTER);
            FillRing(image, scale + k, LIGHT_INNER, DARK_INNER);
        }
    }
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(LETTERING);
    // A pushed button's caption sinks one pixel down and right with the face.
    const int offset = pressed ? scale : 0;
    const QRect textArea(2 * scale + offset, 2 * scale + offset, (face.width - 4) * scale, (face.height - 4) * scale);
    painter.drawText(textArea, Qt::AlignCenter, QString::fromLatin1(face.caption));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("faces"))
        return 1;
    // The @2x faces serve screens with a device pixel ratio of 2.
    for (int scale : {1, 2}) {
        const QFont font = CaptionFont(scale);
        const QString suffix = scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale);
        for (const FaceDesign& face : FACES) {
            const QString base = out.filePath(QString("faces/%1").arg(face.name));
            if (!MakeFace(face, false, font, scale).save(base + "U" + suffix, "PNG")
                || !MakeFace(face, true, font, scale).save(base + "D" + suffix, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(base));
                return 1;
            }
        }
    }
    return 0;
}
