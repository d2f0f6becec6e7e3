// Picks a control picture drawn for the screen's pixel density: a twice-dense twin on HiDPI screens.
#pragma once

#include <QPixmap>
#include <QString>

class QEvent;
class QWidget;

// Which picture file a screen gets: the twice-dense twin on any screen
// denser than plain (a picture is only ever shrunk, never blown up), the
// plain one otherwise. Never anything but 1 or 2.
int PictureDensity(const QWidget* widget);

// The device pixel ratio pictures are prepared for on the widget's screen:
// 1 on a plain screen, the screen's own ratio (1.25, 1.5, 2...) otherwise.
qreal PictureRatio(const QWidget* widget);

// The twice-dense twin of a picture file: "x/IDB_OKU.png" -> "x/IDB_OKU@2x.png"
// (the "@2x" goes before the extension; a name without one just gains it).
QString TwinPath(const QString& path);

// The picture at path, ready to paint at the plain picture's size in
// logical pixels. At ratio 2 it is the twin, with device pixel ratio 2,
// when the twin exists and is exactly twice the plain picture's size;
// between 1 and 2 that twin shrunk once, smoothly, to the plain size times
// the ratio (device pixel ratio = ratio), so painting copies it pixel for
// pixel; in every other case the plain picture as it is. Null when the plain
// picture is missing or unreadable (a lone twin doesn't count).
QPixmap LoadPicture(const QString& path, qreal ratio);

// Whether the event may have moved a widget to another pixel density (a
// move to another screen, or the screen's own scale changing).
bool MayChangeDensity(const QEvent* event);
