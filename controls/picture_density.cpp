// Picks a control picture drawn for the screen's pixel density: a twice-dense twin on HiDPI screens.
#include "controls/picture_density.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QWidget>

#include <algorithm>

namespace {


QSize PictureSize(const QString& path)
{
    QImageReader reader(path);
    return reader.size();
}

} // namespace

int PictureDensity(const QWidget* widget)
{
    return PictureRatio(widget) > 1 ? 2 : 1;
}

qreal PictureRatio(const QWidget* widget)
{
    return std::max<qreal>(widget->devicePixelRatioF(), 1);
}

QString TwinPath(const QString& path)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= nameStart)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap LoadPicture(const QString& path, qreal ratio)
{
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    if (ratio > 1) {
        const QString twin = TwinPath(path);
        const QSize plainSize = PictureSize(path);
        // A twin of any other size would change the control's size or
        // squeeze its picture: the plain picture is the safer choice.
        if (QFile::exists(twin) && PictureSize(twin) == 2 * plainSize) {
            QImage dense(twin);
            if (!dense.isNull()) {
                // Between the densities the twin is shrunk once, here, with
                // every source pixel weighed in, rather than at each paint.
                if (ratio < 2) {
                    const QSize device(qRound(plainSize.width() * ratio), qRound(plainSize.height() * ratio));
                    dense = dense.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                    dense.setDevicePixelRatio(ratio);
                } else {
                    dense.setDevicePixelRatio(2);
                }
                return QPixmap::fromImage(dense);
            }
        }
    }
    return QPixmap(path);
}

bool MayChangeDensity(const QEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event->type() == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return event->type() == QEvent::ScreenChangeInternal;
}
