// The colours every dialog of the game wears: pale yellow with dark red text.
#pragma once

#include <QColor>

class QApplication;
class QWidget;

inline const QColor DIALOG_BACKGROUND(255, 255, 128);
inline const QColor DIALOG_TEXT(128, 0, 0);

// Gives one dialog (or message box, colour chooser...) the game's colours.
void ApplyDialogColours(QWidget* dialog);

// From now on every dialog and message box of the program takes the game's
// colours as it is first shown; the main window keeps its own. Call once at
// start-up, after the QApplication exists.
void InstallDialogColours(QApplication& application);
