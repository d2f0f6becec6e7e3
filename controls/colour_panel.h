// Two rows of five colour swatches, one per block colour code.
#pragma once

#include "board/colour.h"
#include "controls/colour_swatch.h"

#include <QWidget>

#include <array>

class ColourPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int PANEL_ID = 13393;
    static constexpr int FIRST_SWATCH_ID = 8832;

    ColourPanel();

    // Creates the visible panel and its swatches laid out for rect's size;
    // each swatch starts with colours[k].
    void Create(const QRect& rect, QWidget* parent);

    // colours[k] = swatch k's face.
    void LoadFromSwatches();
    // Swatch k's face = colours[k]; everything repaints.
    void Synchronise();

    std::array<ColourValue, 10> colours{};
    std::array<ColourSwatch, 10> swatches;
};
