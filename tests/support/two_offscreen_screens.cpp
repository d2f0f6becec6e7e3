// Lays out Qt's offscreen platform as two screens side by side: a plain one and a twice-dense one.
#include "tests/support/two_offscreen_screens.h"

#include <QDir>
#include <QFile>

namespace {

// Qt's offscreen platform reads its screens from a file named on the
// platform's command line.
const char SCREENS[] = R"({
  "screens": [
    { "name": "plain", "x": 0, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 1 },
    { "name": "dense", "x": 1000, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 2 }
  ]
})";

} // namespace

void UseTwoOffscreenScreens(const QString& fileName)
{
    const QString path = QDir::current().absoluteFilePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(SCREENS);
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
}
