// The colours every dialog of the game wears: pale yellow with dark red text.
#include "controls/dialog_colours.h"

#include <QPalette>
#include <QWidget>

void ApplyDialogColours(QWidget* dialog)
{
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, DIALOG_BACKGROUND);
    palette.setColor(QPalette::WindowText, DIALOG_TEXT);
    palette.setColor(QPalette::Button, DIALOG_BACKGROUND);
    palette.setColor(QPalette::ButtonText, DIALOG_TEXT);
    dialog->setPalette(palette);
}
