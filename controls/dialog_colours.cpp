// The colours every dialog of the game wears: pale yellow with dark red text.
#include "controls/dialog_colours.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace {

// Colours each dialog once, when Qt polishes it just before it first shows.
class DialogColourFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            if (auto* dialog = qobject_cast<QDialog*>(watched))
                ApplyDialogColours(dialog);
        }
        return false;
    }
};

} // namespace

void ApplyDialogColours(QWidget* dialog)
{
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, DIALOG_BACKGROUND);
    palette.setColor(QPalette::WindowText, DIALOG_TEXT);
    palette.setColor(QPalette::Button, DIALOG_BACKGROUND);
    palette.setColor(QPalette::ButtonText, DIALOG_TEXT);
    dialog->setPalette(palette);
}

void InstallDialogColours(QApplication& application)
{
    application.installEventFilter(new DialogColourFilter(&application));
}
