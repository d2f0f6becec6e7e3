// The "Kolumo - Preferences" dialog: four switches, the ten block colours, the music folder.
#include "controls/preferences_dialog.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_template.h"

#include <QCheckBox>

namespace {

constexpr ControlTemplate PREFERENCES_CONTROLS[] = {
    {1, ControlKind::OWNER_DRAW_BUTTON, "IDB_OK", 7, 192, 50, 14},
    {2, ControlKind::OWNER_DRAW_BUTTON, "IDB_CANCEL", 198, 192, 50, 14},
    {1001, ControlKind::CHECK_BOX, QT_TRANSLATE_NOOP("PreferencesDialog", "Sound effects?"), 33, 7, 79, 16},
    {1002, ControlKind::STATIC_LEFT, "", 7, 78, 241, 70},
    {1003, ControlKind::OWNER_DRAW_BUTTON, "IDB_DEFAULT", 92, 191, 72, 15},
    //: Ironman: a game played without hints, Back to a Solvable Position or Solve.
    {1004, ControlKind::CHECK_BOX,
     QT_TRANSLATE_NOOP("PreferencesDialog", "Ironman (starting with next game, will not auto-solve) ?"),
     33, 30, 207, 18},
    {1014, ControlKind::CHECK_BOX, QT_TRANSLATE_NOOP("PreferencesDialog", "Music?"), 33, 160, 67, 19},
    {1016, ControlKind::OWNER_DRAW_BUTTON, "IDB_SETMUSIC", 121, 159, 94, 17},
    //: Smoothing of the numbers and symbols drawn on the board.
    {1005, ControlKind::CHECK_BOX,
     QT_TRANSLATE_NOOP("PreferencesDialog", "Anti-aliasing (smoother numbers and symbols) ?"),
     33, 55, 207, 18},
};

constexpr DialogTemplate PREFERENCES_TEMPLATE = {
    QT_TRANSLATE_NOOP("PreferencesDialog", "Kolumo - Preferences"), 255, 213, PREFERENCES_CONTROLS,
    "PreferencesDialog"};

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
    ShowFlags(preferences);
    colourPanel.colours = preferences.blockColours;
    colourPanel.Create(FindControl(this, PANEL_PLACE_ID)->geometry(), this);
    for (int id : BUTTON_IDS)
        Button(id)->AutoLoad(id, this);
    Button(1)->setFocus(Qt::OtherFocusReason);
}

void PreferencesDialog::ShowFlags(const PlayerPreferences& shown)
{
    CheckBox(SOUND_EFFECTS_ID)->setChecked(shown.soundEffects);
    CheckBox(IRONMAN_ID)->setChecked(shown.ironman);
    CheckBox(MUSIC_ID)->setChecked(shown.music);
    CheckBox(ANTI_ALIASING_ID)->setChecked(shown.antiAliasing);
}

void PreferencesDialog::ReadFlags()
{
    preferences.soundEffects = CheckBox(SOUND_EFFECTS_ID)->isChecked();
    preferences.ironman = CheckBox(IRONMAN_ID)->isChecked();
    preferences.music = CheckBox(MUSIC_ID)->isChecked();
    preferences.antiAliasing = CheckBox(ANTI_ALIASING_ID)->isChecked();
}

void PreferencesDialog::OnDefault()
{
    // Shown only: the preferences change when OK reads the boxes back.
    const PlayerPreferences defaults;
    ShowFlags(defaults);
    colourPanel.colours = defaults.blockColours;
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
            preferences.musicFolder = chooseMusicFolder();
        break;
    default:
        break;
    }
}

void PreferencesDialog::done(int result)
{
    // Only OK hands the boxes and colours back: after Cancel (or Escape, or
    // the close box) they still hold what the caller put in, Default included.
    if (initialised && result == QDialog::Accepted) {
        ReadFlags();
        colourPanel.LoadFromSwatches();
        preferences.blockColours = colourPanel.colours;
    }
    QDialog::done(result);
}
