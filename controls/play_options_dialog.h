// The "Kolumo Rez Options" dialog: the five puzzle parameters on number pickers.
#pragma once

#include "controls/number_picker.h"
#include "engine/puzzle_settings.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <cstdint>

class BitmapButton;

// SetSettings, exec(), and read Settings back on Accepted. They are read
// from the pickers whenever the dialog closes (OK or Cancel), after one last
// constraint step.
class PlayOptionsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int DEFAULT_ID = 1003;
    static constexpr int WEBSITE_ID = 1004;
    static constexpr int CONSTRAINT_TIMER = 755;
    static constexpr int CONSTRAINT_PERIOD_MS = 40;

    explicit PlayOptionsDialog(QWidget* parent = nullptr);
    ~PlayOptionsDialog() override;

    // What the pickers start from, before the dialog is first shown.
    void SetSettings(const PuzzleSettings& shown) { settings = shown; }
    // What was set, or what the pickers held when the dialog last closed.
    const PuzzleSettings& Settings() const { return settings; }

    // Keeps maximum <= 2 * rows - 2 and minimum <= maximum.
    void ConstraintStep();
    // Default: the pickers show the default settings; nothing is taken yet.
    void OnDefault();
    // Opens the game's web page in the browser.
    void OnWebsite();

    // The pickers, in order: colours, rows, row width, minimum, maximum.
    NumberPicker& ColoursPicker() { return pickers[0]; }
    NumberPicker& RowsPicker() { return pickers[1]; }
    NumberPicker& RowWidthPicker() { return pickers[2]; }
    NumberPicker& MinimumPicker() { return pickers[3]; }
    NumberPicker& MaximumPicker() { return pickers[4]; }
    BitmapButton* Button(int id) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Initialise();
    void OnCommand(int id);
    void ReadBack();

    PuzzleSettings settings;
    std::array<NumberPicker, 5> pickers;
    QTimer constraintTimer;
    bool initialised = false;
    bool readBack = false;
};
