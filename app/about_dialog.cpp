// The "About Kolumo" box: the icon, the version and a word from the maker.
#include "app/about_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"
#include "kolumo_version.h"

namespace {

constexpr ControlTemplate ABOUT_CONTROLS[] = {
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 69, 74, 50, 14},
    {-1, ControlKind::ICON, ":/icons/128.png", 7, 7, 20, 20},
    {-1, ControlKind::STATIC_LEFT, "Kolumo Version " KOLUMO_VERSION, 52, 7, 86, 8},
    {-1, ControlKind::STATIC_LEFT, "Free to play, copy and share.", 52, 55, 119, 8},
    {-1, ControlKind::STATIC_LEFT, "Made by the Kolumo puzzle makers\nkolumo.net", 52, 27, 119, 19},
};

constexpr DialogTemplate ABOUT_TEMPLATE = {"About Kolumo", 186, 95, ABOUT_CONTROLS};

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(*this, ABOUT_TEMPLATE, [this](int id) {
        if (id == 1)
            accept();
    });
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
