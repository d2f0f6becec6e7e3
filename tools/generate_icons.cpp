// Writes the game's icons: 128 and 160 for the window, a large one for modern
// desktops, and the hicolor theme set (PNG sizes plus SVG) for installation.
#include "icon_design.h"
#include "picture_output.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

const int HICOLOR_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0)
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

// Usage: kolumo_generate_icons RESOURCE_DIR [HICOLOR_DIR]
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s RESOURCE_DIR [HICOLOR_DIR]\n", argv[0]);
        return 2;
    }
    const IconDesign design;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("icons"))
        return 1;
    const QImage small = design.Render(IconDesign::GRID);
    bool ok = SavePng(small, out.filePath("icons/128.png")) && SavePng(small, out.filePath("icons/160.png"))
              && SavePng(design.Render(256), out.filePath("icons/kolumo-256.png"));
    if (ok && argc == 3) {
        const QDir hicolor(QString::fromLocal8Bit(argv[2]));
        for (int size : HICOLOR_SIZES) {
            const QString folder = QString("%1x%1/apps").arg(size);
            ok = ok && hicolor.mkpath(folder) && SavePng(design.Render(size), hicolor.filePath(folder + "/kolumo.png"));
        }
        ok = ok && hicolor.mkpath("scalable/apps") && WriteText(hicolor.filePath("scalable/apps/kolumo.svg"), design.Svg());
    }
    return ok ? 0 : 1;
}
