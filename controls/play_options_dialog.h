// The "Kolumo Rez Options" dialog: the five puzzle parameters on number pickers.
#pragma once

#include "controls/number_picker.h"
#include "engine/puzzle_settings.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <cstdint>

class BitmapButton;

// Fill the five fields, exec(), and read them back on Accepted. The fields
// are rewritten from the pickers whenever the dialog closes (OK or Cancel),
// after one last constraint step.
class PlayOptionsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int DEFAULT_ID = 1003;
    static constexpr int WEBSITE_ID = 1004;
    static constexpr int CONSTRAINT_TIMER = 755;
    static constexpr int CONSTRAINT_PERIOD_MS = 40;

    explicit PlayOptionsDialog(QWidget* parent = nullptr);
    ~PlayOptionsDialog() override;

    int32_t colourCount = 5;
    int32_t rowCount = 3;
    int32_t rowWidth = 12;
    int32_t minRemove = 3;
    int32_t maxRemove = 3;

    void SetSettings(const PuzzleSettings& settings);
    PuzzleSettings Settings() const;

    // Keeps maximum <= 2 * rows - 2 and minimum <= maximum.
    void ConstraintStep();
    // Default: 5 colours, 3 rows, width 12, minimum 3, maximum 3, shown only.
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

    std::array<NumberPicker, 5> pickers;
    QTimer constraintTimer;
    bool initialised = false;
    bool readBack = false;
};
