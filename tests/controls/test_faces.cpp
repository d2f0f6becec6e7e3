// Button faces painted on the fly, so the tests don't depend on the game's pictures.
#include "test_faces.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

QString MakeTestFace(const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = QDir::current().absoluteFilePath(name);
    image.save(path + QStringLiteral(".png"));
    return path;
}

QColor ShownColour(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
