// What every picture generator does around its drawing: start, check its arguments, write PNG files.
#include "picture_output.h"

#include <QGuiApplication>

#include <cstdio>

int RunPictureGenerator(int argc, char** argv, const QString& subfolder,
                        const std::function<bool(const QDir& out)>& write)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(subfolder))
        return 1;
    return write(out) ? 0 : 1;
}

bool SavePng(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QString ScaleSuffix(int scale)
{
    return scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale);
}
