// The "Open Puzzle Code" dialog: a code typed or pasted, read before the dialog closes.
#pragma once

#include "engine/puzzle_code.h"

#include <QDialog>

class BitmapButton;
class QLabel;
class QLineEdit;

// exec(), and on Accepted take Code(): a code that was read. OK on a code
// that cannot be read keeps the dialog open and says why in it.
class PuzzleCodeDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int CODE_ID = 1011;
    static constexpr int PROBLEM_ID = 1012;

    explicit PuzzleCodeDialog(QWidget* parent = nullptr);

    const PuzzleCodeRead& Code() const { return code; }
    QLineEdit& CodeField() const { return *field; }
    // What the dialog says of the code last refused ("" before any).
    QString Problem() const;
    BitmapButton* Button(int id) const;

    // OK: accepts a code that reads, else says why and stays.
    void OnOk();

    // Why a code could not be read, in a few words for the player ("a
    // character of the code is mistyped"); "" for a code that was read. The
    // command line's complaint says the same.
    static QString ProblemWords(const PuzzleCodeRead& read);

private:
    // Makes the problem's label tall enough for its words.
    void MakeRoomForProblem();

    PuzzleCodeRead code;
    QLineEdit* field = nullptr;
    QLabel* problem = nullptr;
};
