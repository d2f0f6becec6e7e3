// A question the player answers Yes or No, in the game's own colours and buttons.
#pragma once

#include <QDialog>

class BitmapButton;
class QLabel;

// exec() is Accepted for Yes and Rejected for No (and for Escape or the
// close box). No is the default: Enter alone never confirms what cannot be
// undone.
class ConfirmDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int YES_ID = 6;
    static constexpr int NO_ID = 7;

    ConfirmDialog(const QString& title, const QString& question, QWidget* parent = nullptr);

    QString Question() const;
    BitmapButton* Button(int id) const;
};
