// Makes the faces of the dialogs' text buttons: peach, bevelled, lettered.
#include "bevel.h"
#include "picture_output.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

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
    {"IDB_RESET", "Reset Statistics", 150, 30},
    {"IDB_YES", "Yes", 80, 30},
    {"IDB_NO", "No", 80, 30},
};

const QColor PEACH(255, 199, 139);
const QColor LETTERING(78, 40, 0);
// Light outer, light inner, dark outer, dark inner, as on the classic raised button.
const Bevel FACE_BEVEL({255, 255, 255}, {255, 230, 200}, {122, 72, 22}, {196, 138, 78});

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
    FACE_BEVEL.Fill(image, scale, pressed);
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
    return RunPictureGenerator(argc, argv, "faces", [](const QDir& out) {
        // The @2x faces serve screens with a device pixel ratio of 2.
        for (int scale : {1, 2}) {
            const QFont font = CaptionFont(scale);
            const QString suffix = ScaleSuffix(scale);
            for (const FaceDesign& face : FACES) {
                const QString base = out.filePath(QString("faces/%1").arg(face.name));
                if (!SavePng(MakeFace(face, false, font, scale), base + "U" + suffix)
                    || !SavePng(MakeFace(face, true, font, scale), base + "D" + suffix))
                    return false;
            }
        }
        return true;
    });
}
