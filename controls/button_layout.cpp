// Lays out rows of dialog buttons once they have taken the size of their faces.
#include "controls/button_layout.h"

#include "controls/dialog_template.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

void MoveOnTop(QWidget* control, const QRect& rect)
{
    control->setGeometry(rect);
    control->raise();
    control->show();
}

} // namespace

void SpreadButtonRow(QWidget* dialog, std::span<const int> ids)
{
    const int count = static_cast<int>(ids.size());
    if (count < 2)
        return;
    std::vector<QWidget*> controls;
    for (int id : ids) {
        QWidget* control = FindControl(dialog, id);
        if (control == nullptr)
            return;
        controls.push_back(control);
    }
    const QRect client = dialog->rect();
    int total = 0;
    for (const QWidget* control : controls)
        total += control->width();
    QRect r = controls.front()->geometry();
    const int margin = r.left();
    const int gap = (client.width() - 2 * margin - total) / (count - 1);

    for (int k = 1; k < count - 1; ++k) {
        r.moveLeft(r.left() + r.width() + gap);
        r.setWidth(controls[k]->width());
        MoveOnTop(controls[k], r);
    }
    r.moveLeft(r.left() + r.width() + gap);
    // The last control ends margin pixels from the right edge; however
    // crowded the row, its width never goes below zero.
    r.setWidth(std::max(0, client.width() - margin - r.left()));
    MoveOnTop(controls.back(), r);
}

void AlignRightEdge(QWidget* dialog, int id, int referenceId)
{
    QWidget* control = FindControl(dialog, id);
    const QWidget* reference = FindControl(dialog, referenceId);
    if (control == nullptr || reference == nullptr)
        return;
    const int referenceRight = reference->mapTo(dialog, QPoint(reference->width(), 0)).x();
    const int controlRight = control->mapTo(dialog, QPoint(control->width(), 0)).x();
    MoveOnTop(control, control->geometry().translated(referenceRight - controlRight, 0));
}
