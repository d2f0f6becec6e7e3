// Asks an X11 window manager to keep a window's proportions while the player
// drags its border, which Qt has no call for.
#pragma once

class QWidget;

// Width / height kept between minimum and maximum (numerator / denominator)
// for the shown top-level window. False where there is no X11 (Wayland, the
// offscreen platform) or no way to say it.
bool SetAspectHints(QWidget* window, int minNumerator, int minDenominator, int maxNumerator,
                    int maxDenominator);
