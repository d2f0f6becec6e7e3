// Picks a control picture drawn for the screen's pixel density: a twice-dense twin on HiDPI screens.
#include "controls/picture_density.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QWidget>

namespace {

// Halfway between the two drawn densities: at ×1.5 the dense twin shrinks
// a little, which keeps more of its detail than the plain picture blown up.
constexpr qreal DENSE_FROM_RATIO = 1.5;

QSize PictureSize(const QString& path)
{
    QImageReader reader(path);
    return reader.size();
}

} // namespace

int PictureDensity(const QWidget* widget)
{
    return widget->devicePixelRatioF() >= DENSE_FROM_RATIO ? 2 : 1;
}

QString TwinPath(const QString& path)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= nameStart)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap LoadPicture(const QString& path, int density)
{
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    if (density >= 2) {
        const QString twin = TwinPath(path);
        // A twin of any other size would change the control's size or
        // squeeze its picture: the plain picture is the safer choice.
        if (QFile::exists(twin) && PictureSize(twin) == 2 * PictureSize(path)) {
            QPixmap dense(twin);
            if (!dense.isNull()) {
                dense.setDevicePixelRatio(2);
                return dense;
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
