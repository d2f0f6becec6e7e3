// The "Kolumo - Preferences" dialog: four switches, the ten block colours, the music folder.
#pragma once

#include "board/colour.h"
#include "controls/colour_panel.h"

#include <QDialog>

#include <array>
#include <functional>

class BitmapButton;
class QCheckBox;

// Fill the public fields, exec(), and read them back only on Accepted. The
// music-folder button calls chooseMusicFolder at once (it isn't undone by
// Cancel); unset, the button does nothing.
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

    bool soundEffects = false;
    bool ironman = false;
    bool antiAliasing = false;
    bool music = false;
    std::array<ColourValue, 10> colours{};
    std::function<void()> chooseMusicFolder;

    // Default: every switch and colour back to the game's defaults, shown
    // but not applied before OK.
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
    void ShowFlags();
    void ReadFlags();

    ColourPanel colourPanel;
    bool initialised = false;
};
