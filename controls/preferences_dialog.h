// The "Kolumo - Preferences" dialog: four switches, the ten block colours, the music folder.
#pragma once

#include "controls/colour_panel.h"
#include "engine/player_preferences.h"

#include <QDialog>

#include <functional>
#include <string>
#include <utility>

class BitmapButton;
class QCheckBox;

// SetPreferences, exec(), and read Preferences back: the switches and colours
// change only on Accepted. The music-folder button calls the chooser at once
// and keeps the folder it returns whatever the result (Cancel doesn't undo
// it); with no chooser the button does nothing.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int SOUND_EFFECTS_ID = 1001;
    static constexpr int PANEL_PLACE_ID = 1002;
    static constexpr int DEFAULT_ID = 1003;
    static constexpr int IRONMAN_ID = 1004;
    static constexpr int ANTI_ALIASING_ID = 1005;
    static constexpr int MUSIC_ID = 1014;
    static constexpr int MUSIC_FOLDER_ID = 1016;

    explicit PreferencesDialog(QWidget* parent = nullptr);

    // What the boxes and the panel start from, before the dialog is first shown.
    void SetPreferences(const PlayerPreferences& shown) { preferences = shown; }
    const PlayerPreferences& Preferences() const { return preferences; }
    // Lets the player pick a music folder; returns the folder after the choice.
    void SetMusicFolderChooser(std::function<std::string()> chooser) { chooseMusicFolder = std::move(chooser); }

    // Default: every switch and colour back to the game's defaults, shown
    // but not applied before OK; the music folder stays.
    void OnDefault();

    ColourPanel& Panel() { return colourPanel; }
    QCheckBox* CheckBox(int id) const;
    BitmapButton* Button(int id) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Initialise();
    void OnCommand(int id);
    // The four boxes as `shown` has them.
    void ShowFlags(const PlayerPreferences& shown);
    void ReadFlags();

    PlayerPreferences preferences;
    std::function<std::string()> chooseMusicFolder;
    ColourPanel colourPanel;
    bool initialised = false;
};
