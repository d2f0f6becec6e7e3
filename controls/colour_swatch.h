// One numbered square of colour in the preferences' colour panel.
#pragma once

#include "board/colour.h"

#include <QString>
#include <QWidget>

// Paints its face with a 3-pixel raised bevel and its number in the text
// colour that contrasts with the face; a click opens a colour chooser.
class ColourSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    QString caption;
    ColourValue face = 0x00FFFF;
    ColourValue light = 0xFFFFFF;
    ColourValue dark = 0x606060;

    // Opens the colour chooser on face; a confirmed choice becomes the face.
    void ChooseColour();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
