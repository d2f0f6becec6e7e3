// Picks a control picture drawn for the screen's pixel density: a twice-dense twin on HiDPI screens.
#pragma once

#include <QPixmap>
#include <QString>

class QEvent;
class QWidget;

// Screens at a device pixel ratio of 1.5 or more get the twice-dense
// pictures; the others the plain ones. Never anything but 1 or 2.
int PictureDensity(const QWidget* widget);

// The twice-dense twin of a picture file: "x/IDB_OKU.png" -> "x/IDB_OKU@2x.png"
// (the "@2x" goes before the extension; a name without one just gains it).
QString TwinPath(const QString& path);

// The picture at path, ready to paint at the plain picture's size in
// logical pixels. At density 2 it is the twin, with device pixel ratio 2,
// when the twin exists and is exactly twice the plain picture's size; in
// every other case the plain picture as it is. Null when the plain picture
// is missing or unreadable (a lone twin doesn't count).
QPixmap LoadPicture(const QString& path, int density);

// Whether the event may have moved a widget to another pixel density (a
// move to another screen, or the screen's own scale changing).
bool MayChangeDensity(const QEvent* event);
