// One numbered square of colour in the preferences' colour panel.
#include "controls/colour_swatch.h"

#include "controls/colour_swatch_accessible.h"
#include "controls/dialog_colours.h"

#include <QAccessible>

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor ToQColor(ColourValue c)
{
    return QColor::fromRgb(ToPixel(c));
}

// The bevel rectangle: light top and left lines (one short of the far
// corner), dark right column and bottom row over their full length.
void DrawBevelRect(QPainter& painter, const QRect& r, ColourValue light, ColourValue dark)
{
    const int x = r.x();
    const int y = r.y();
    const int cx = r.width();
    const int cy = r.height();
    painter.fillRect(x, y, cx - 1, 1, ToQColor(light));
    painter.fillRect(x, y, 1, cy - 1, ToQColor(light));
    painter.fillRect(x + cx - 1, y, 1, cy, ToQColor(dark));
    painter.fillRect(x, y + cy - 1, cx, 1, ToQColor(dark));
}

} // namespace

ColourSwatch::ColourSwatch(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    ColourSwatchAccessible::Install();
}

void ColourSwatch::ChooseColour()
{
    QColorDialog chooser(ToQColor(face), parentWidget());
    ApplyDialogColours(&chooser);
    if (chooser.exec() != QDialog::Accepted)
        return;
    face = FromPixel(chooser.selectedColor().rgb());
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect r = rect();
    painter.fillRect(r, ToQColor(face));
    painter.setPen(ToQColor(ContrastTextColour(face)));
    // Plain, hard-edged figures: every pixel of the label is the contrast
    // colour, as on the blocks without anti-aliasing.
    QFont labelFont = font();
    labelFont.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(labelFont);
    const QFontMetrics metrics(labelFont);
    const int textWidth = metrics.horizontalAdvance(caption);
    painter.drawText((width() - textWidth) / 2, (height() - metrics.height()) / 2 + metrics.ascent(), caption);
    for (int k = 0; k < 3; ++k) {
        DrawBevelRect(painter, r, light, dark);
        r.adjust(1, 1, -1, -1);
    }
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        ChooseColour();
    QWidget::mouseReleaseEvent(event);
}
