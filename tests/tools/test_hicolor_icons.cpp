// The hicolor theme icons made for installing: every usual size and an SVG.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <QXmlStreamReader>

namespace {

const QString HICOLOR = QStringLiteral(KOLUMO_HICOLOR_DIR);

} // namespace

TEST(HicolorIcons, EveryUsualSizeIsThereAndDrawn)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = QString("%1/%2x%2/apps/kolumo.png").arg(HICOLOR).arg(size);
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        // The board fills the icon: its centre is opaque.
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(HicolorIcons, ThePixelSizesShowTheWindowIconsDesign)
{
    const QImage window(":/icons/128.png");
    const QImage theme(HICOLOR + "/32x32/apps/kolumo.png");
    ASSERT_FALSE(window.isNull() || theme.isNull());
    EXPECT_EQ(window.convertToFormat(QImage::Format_ARGB32), theme.convertToFormat(QImage::Format_ARGB32));
}

TEST(HicolorIcons, ScalableIconIsAWellFormedSvg)
{
    QFile file(HICOLOR + "/scalable/apps/kolumo.svg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int rects = 0;
    bool sawRoot = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!sawRoot) {
            EXPECT_EQ(xml.name().toString(), "svg");
            EXPECT_EQ(xml.namespaceUri().toString(), "http://www.w3.org/2000/svg");
            EXPECT_EQ(xml.attributes().value("viewBox").toString(), "0 0 32 32");
            sawRoot = true;
        }
        if (xml.name() == QLatin1String("rect"))
            ++rects;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(rects, 8);
}
