// The "Kolumo - Preferences" dialog: four switches, the ten block colours, the music folder.
#include "controls/preferences_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"

#include <QCheckBox>

namespace {

constexpr ControlTemplate PREFERENCES_CONTROLS[] = {
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 7, 192, 50, 14},
    {2, ControlKind::OWNER_DRAW_BUTTON, "IDB_CANCEL", 198, 192, 50, 14},
    {1001, ControlKind::CHECK_BOX, "Sound effects?", 33, 7, 79, 16},
    {1002, ControlKind::STATIC_LEFT, "", 7, 78, 241, 70},
    {1003, ControlKind::OWNER_DRAW_BUTTON, "IDB_DEFAULT", 92, 191, 72, 15},
    {1004, ControlKind::CHECK_BOX, "Ironman (starting with next game, will not auto-solve) ?", 33, 30, 207, 18},
    {1014, ControlKind::CHECK_BOX, "Music?", 33, 160, 67, 19},
    {1016, ControlKind::OWNER_DRAW_BUTTON, "IDB_SETMUSIC", 121, 159, 94, 17},
    {1005, ControlKind::CHECK_BOX, "Anti-aliasing (smoother numbers and symbols) ?", 33, 55, 207, 18},
};

constexpr DialogTemplate PREFERENCES_TEMPLATE = {"Kolumo - Preferences", 255, 213, PREFERENCES_CONTROLS};

constexpr int BUTTON_IDS[] = {1, 2, PreferencesDialog::DEFAULT_ID, PreferencesDialog::MUSIC_FOLDER_ID};

} // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent)
    : QDialog(parent)
{
    BuildDialog(*this, PREFERENCES_TEMPLATE, [this](int id) { OnCommand(id); });
}

QCheckBox* PreferencesDialog::CheckBox(int id) const
{
    return qobject_cast<QCheckBox*>(FindControl(this, id));
}

BitmapButton* PreferencesDialog::Button(int id) const
{
    return qobject_cast<BitmapButton*>(FindControl(this, id));
}

void PreferencesDialog::showEvent(QShowEvent* event)
{
    if (!initialised)
        Initialise();
    QDialog::showEvent(event);
}

void PreferencesDialog::Initialise()
{
    initialised = true;
    ShowFlags();
    colourPanel.colours = colours;
    colourPanel.Create(FindControl(this, PANEL_PLACE_ID)->geometry(), this);
    for (int id : BUTTON_IDS)
        Button(id)->AutoLoad(id, this);
    Button(1)->setFocus(Qt::OtherFocusReason);
}

void PreferencesDialog::ShowFlags()
{
    CheckBox(SOUND_EFFECTS_ID)->setChecked(soundEffects);
    CheckBox(IRONMAN_ID)->setChecked(ironman);
    CheckBox(MUSIC_ID)->setChecked(music);
    CheckBox(ANTI_ALIASING_ID)->setChecked(antiAliasing);
}

void PreferencesDialog::ReadFlags()
{
    soundEffects = CheckBox(SOUND_EFFECTS_ID)->isChecked();
    ironman = CheckBox(IRONMAN_ID)->isChecked();
    music = CheckBox(MUSIC_ID)->isChecked();
    antiAliasing = CheckBox(ANTI_ALIASING_ID)->isChecked();
}

void PreferencesDialog::OnDefault()
{
    // Shown only: the fields change when OK reads the boxes back.
    CheckBox(SOUND_EFFECTS_ID)->setChecked(true);
    CheckBox(IRONMAN_ID)->setChecked(false);
    CheckBox(ANTI_ALIASING_ID)->setChecked(true);
    CheckBox(MUSIC_ID)->setChecked(true);
    SetDefaultColours(colourPanel.colours.data(), static_cast<int>(colourPanel.colours.size()));
    colourPanel.Synchronise();
}

void PreferencesDialog::OnCommand(int id)
{
    switch (id) {
    case 1:
        accept();
        break;
    case 2:
        reject();
        break;
    case DEFAULT_ID:
        OnDefault();
        break;
    case MUSIC_FOLDER_ID:
        if (chooseMusicFolder)
            chooseMusicFolder();
        break;
    default:
        break;
    }
}

void PreferencesDialog::done(int result)
{
    // Only OK hands anything back: after Cancel (or Escape, or the close
    // box) the fields still hold what the caller put in, Default included.
    if (initialised && result == QDialog::Accepted) {
        ReadFlags();
        colourPanel.LoadFromSwatches();
        colours = colourPanel.colours;
    }
    QDialog::done(result);
}
