// Button faces painted on the fly, so the tests don't depend on the game's pictures.
#include "test_faces.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

QString MakeTestFace(const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = QDir::current().absoluteFilePath(name);
    // Written aside and renamed into place: tests run side by side (ctest -j)
    // share the folder and must never read a half-written face.
    QSaveFile file(path + QStringLiteral(".png"));
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG"))
        file.commit();
    return path;
}

QColor ShownColour(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
