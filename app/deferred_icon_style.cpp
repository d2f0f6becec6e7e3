// The application's style: the desktop's own, with the menu bar's overflow icon read when first drawn.
#include "app/deferred_icon_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <optional>

namespace {

// Stands for one of the base style's icons, which it asks for only when the
// icon is first used; until then nothing is read.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget)
        : style(style), which(which), widget(const_cast<QWidget*>(widget)),
          direction(option ? option->direction : QGuiApplication::layoutDirection())
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }

    bool isNull() override { return Icon().isNull(); }

    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& Icon()
    {
        if (!icon.has_value()) {
            // As the icon was asked for: in the direction of the time of asking.
            QStyleOption option;
            option.direction = direction;
            icon = style ? style->standardIcon(which, &option, widget) : QIcon();
        }
        return *icon;
    }

    QPointer<QStyle> style;
    QStyle::StandardPixmap which;
    QPointer<QWidget> widget;
    Qt::LayoutDirection direction;
    std::optional<QIcon> icon;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, option, widget));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
