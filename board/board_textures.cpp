// The board's textures, decoded once.
#include "board/board_textures.h"

#include <QImageReader>
#include <QString>

namespace {

QImage Decode(const char* path)
{
    // Qt reads PNG itself: named, and not guessed, the format needs none of
    // the image plugins, which a guess loads one by one to ask each.
    QImageReader reader(QString::fromLatin1(path), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

const BoardTextures& TheBoardTextures()
{
    static const BoardTextures textures{Decode(":/bitmaps/172.png"), Decode(":/bitmaps/173.png")};
    return textures;
}
