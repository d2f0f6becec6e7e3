// The application's style: the desktop's own, with the menu bar's overflow icon read when first drawn.
#pragma once

#include <QProxyStyle>

// Every menu bar asks its style for the icon of the button that shows the
// menus the bar has no room for, and a style reads that icon from image
// files: Qt then loads every image plugin to ask whether one of them reads
// those files better, all before the window's first frame. The button is
// hidden while the bar holds its menus, so the icon waits here until
// something draws or measures it; it is then the desktop style's own. The
// base style is the desktop's, as Qt would have chosen it.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
