// The "Open Puzzle Code" dialog: a code typed or pasted, read before the dialog closes.
#include "controls/puzzle_code_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr ControlTemplate PUZZLE_CODE_CONTROLS[] = {
    {-1, ControlKind::STATIC_LEFT, QT_TRANSLATE_NOOP("PuzzleCodeDialog", "Type or paste a puzzle code:"),
     12, 10, 176, 11},
    {PuzzleCodeDialog::CODE_ID, ControlKind::STATIC_LEFT, "", 12, 24, 176, 14},
    {PuzzleCodeDialog::PROBLEM_ID, ControlKind::STATIC_LEFT, "", 12, 42, 176, 22},
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 12, 70, 50, 20},
    {2, ControlKind::OWNER_DRAW_BUTTON, "IDB_CANCEL", 138, 70, 50, 20},
};

constexpr DialogTemplate PUZZLE_CODE_TEMPLATE = {
    QT_TRANSLATE_NOOP("PuzzleCodeDialog", "Open Puzzle Code"), 200, 98, PUZZLE_CODE_CONTROLS,
    "PuzzleCodeDialog"};

constexpr int BUTTON_IDS[] = {1, 2};

} // namespace

PuzzleCodeDialog::PuzzleCodeDialog(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(*this, PUZZLE_CODE_TEMPLATE, [this](int id) {
        if (id == 1)
            OnOk();
        else
            reject();
    });
    // The template has no edit field: one takes the place kept for it.
    QWidget* place = FindControl(this, CODE_ID);
    field = new QLineEdit(this);
    field->setGeometry(place->geometry());
    field->setAccessibleName(tr("Puzzle code"));
    SetControlId(field, CODE_ID);
    delete place;
    problem = qobject_cast<QLabel*>(FindControl(this, PROBLEM_ID));
    for (int id : BUTTON_IDS)
        Button(id)->AutoLoad(id, this);
    // The field follows the caption in the tab order, then OK and Cancel.
    setTabOrder(field, Button(1));
    setTabOrder(Button(1), Button(2));
    // Enter in the field presses OK, the default button.
    field->setFocus(Qt::OtherFocusReason);
}

BitmapButton* PuzzleCodeDialog::Button(int id) const
{
    return qobject_cast<BitmapButton*>(FindControl(this, id));
}

QString PuzzleCodeDialog::Problem() const
{
    return problem->text();
}

void PuzzleCodeDialog::OnOk()
{
    const PuzzleCodeRead read = ReadPuzzleCode(field->text().toStdString());
    if (read.problem != PuzzleCodeProblem::NONE) {
        //: %1 says why, in words such as "a character of the code is mistyped".
        problem->setText(tr("That code cannot be read: %1.").arg(ProblemWords(read)));
        MakeRoomForProblem();
        // Said again with the field, where the focus goes back to.
        field->setAccessibleDescription(problem->text());
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return;
    }
    code = read;
    accept();
}

QString PuzzleCodeDialog::ProblemWords(const PuzzleCodeRead& read)
{
    switch (read.problem) {
    case PuzzleCodeProblem::NONE:
        break;
    case PuzzleCodeProblem::FOREIGN_CHARACTER:
        return tr("\"%1\" is not a character of a puzzle code").arg(QLatin1Char(read.character));
    case PuzzleCodeProblem::NOT_LETTERS_DIGITS:
        return tr("a puzzle code has only letters and digits");
    case PuzzleCodeProblem::WRONG_LENGTH:
        //: %1 is always 12; %n counts the letters and digits typed.
        return tr("a puzzle code has %1 letters and digits, this one %n", nullptr, read.length)
            .arg(PUZZLE_CODE_LENGTH);
    case PuzzleCodeProblem::MISTYPED:
        return tr("a character of the code is mistyped");
    case PuzzleCodeProblem::OTHER_VERSION:
        return tr("the code is from another version of Kolumo");
    case PuzzleCodeProblem::OPTIONS_NOT_OFFERED:
        return tr("the code names play options Kolumo does not offer");
    }
    return {};
}

void PuzzleCodeDialog::MakeRoomForProblem()
{
    // Two lines hold it in English; a longer language's words, or a script
    // with taller lines, may need more: the dialog grows downwards, the
    // buttons with it, and never shrinks back while it stays open.
    const QFontMetrics metrics(problem->font());
    const QRect text = metrics.boundingRect(QRect(0, 0, problem->width(), 1 << 20),
                                            Qt::TextWordWrap | int(problem->alignment()), problem->text());
    const int more = text.height() - problem->height();
    if (more <= 0)
        return;
    problem->resize(problem->width(), text.height());
    for (int id : BUTTON_IDS)
        Button(id)->move(Button(id)->pos() + QPoint(0, more));
    setFixedSize(width(), height() + more);
}

