// A question the player answers Yes or No, in the game's own colours and buttons.
#include "controls/confirm_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"

#include <QLabel>

namespace {

constexpr int QUESTION_ID = 1021;

// The question's room holds three lines of the longest question asked.
constexpr ControlTemplate CONFIRM_CONTROLS[] = {
    {QUESTION_ID, ControlKind::STATIC_LEFT, "", 12, 10, 176, 36},
    {ConfirmDialog::YES_ID, ControlKind::OWNER_DRAW_BUTTON, "IDB_YES", 12, 54, 50, 20},
    {ConfirmDialog::NO_ID, ControlKind::OWNER_DRAW_BUTTON, "IDB_NO", 138, 54, 50, 20},
};

constexpr DialogTemplate CONFIRM_TEMPLATE = {"", 200, 82, CONFIRM_CONTROLS};

} // namespace

ConfirmDialog::ConfirmDialog(const QString& title, const QString& question, QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(*this, CONFIRM_TEMPLATE, [this](int id) { done(id == YES_ID ? Accepted : Rejected); });
    setWindowTitle(title);
    qobject_cast<QLabel*>(FindControl(this, QUESTION_ID))->setText(question);
    for (int id : {YES_ID, NO_ID})
        Button(id)->AutoLoad(id, this);
    Button(NO_ID)->setDefault(true);
    Button(NO_ID)->setFocus(Qt::OtherFocusReason);
}

QString ConfirmDialog::Question() const
{
    return qobject_cast<QLabel*>(FindControl(this, QUESTION_ID))->text();
}

BitmapButton* ConfirmDialog::Button(int id) const
{
    return qobject_cast<BitmapButton*>(FindControl(this, id));
}
