// The "About Kolumo" box: the icon, the version and a word from the maker.
#include "app/about_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "kolumo_version.h"

#include <QLabel>

namespace {

// The version's line is worded after the dialog is built: the table holds
// the English line, which sets the dialog's font as before.
constexpr int VERSION_ID = 1001;

constexpr ControlTemplate ABOUT_CONTROLS[] = {
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 69, 74, 50, 14},
    {-1, ControlKind::ICON, ":/icons/128.png", 7, 7, 20, 20},
    {VERSION_ID, ControlKind::STATIC_LEFT, "Kolumo Version " KOLUMO_VERSION, 52, 7, 86, 8},
    {-1, ControlKind::STATIC_LEFT, QT_TRANSLATE_NOOP("AboutDialog", "Free to play, copy and share."), 52, 55, 119,
     8},
    //: Two lines; kolumo.net is the game's web address and stays as it is.
    {-1, ControlKind::STATIC_LEFT,
     QT_TRANSLATE_NOOP("AboutDialog", "Made by the Kolumo puzzle makers\nkolumo.net"),
     
     52, 27, 119, 19},
};

constexpr DialogTemplate ABOUT_TEMPLATE = {
    QT_TRANSLATE_NOOP("AboutDialog", "About Kolumo"), 186, 95, ABOUT_CONTROLS, "AboutDialog"};

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(*this, ABOUT_TEMPLATE, [this](int id) {
        if (id == 1)
            accept();
    });
    auto* version = qobject_cast<QLabel*>(FindControl(this, VERSION_ID));
    //: %1 is the version number, such as 1.1.
    version->setText(tr("Kolumo Version %1").arg(QStringLiteral(KOLUMO_VERSION)));
}

BitmapButton* AboutDialog::OkButton() const
{
    return qobject_cast<BitmapButton*>(FindControl(this, 1));
}

void AboutDialog::showEvent(QShowEvent* event)
{
    // Bound before the first paint rather than at every paint: resizing a
    // control from inside a paint is not something Qt allows, and binding
    // again would only reload the same faces.
    OkButton()->AutoLoad(1, this);
    OkButton()->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}
