// Fits the bar's captions to their buttons: a smaller font down to a floor, then a wider least window.
#pragma once

#include <QFont>
#include <QStringList>

#include <optional>

class QPushButton;

// A language's words for New, Retry, Options... can outgrow the bar's
// buttons, which share the window's width nine ways. The captions get the
// largest font, from the bar's own down to 9 pixels, at which each fits its
// button in the narrowest window; when none does, the window's least width
// grows until the 9-pixel captions, and the menu bar's titles, fit.
struct BarCaptionsFit {
    // The font for every bar button; none where the bar's own font fits.
    std::optional<QFont> font;
    // The window's least outer width, leastWidth or more.
    int leastWidth = 0;
};

// How a window whose narrowest outer width is leastWidth holds these bar
// captions (sample is any bar button: its font and style) and a menu bar
// that wants menuBarWidth.
BarCaptionsFit FitBarCaptions(const QPushButton& sample, const QStringList& captions, int menuBarWidth,
                              int leastWidth);

// The width a bar button that wide leaves its caption, within the frame
// and margins the style draws.
int BarCaptionRoom(const QPushButton& button, int width);

// Room left for a window's frame: the client area of the narrowest window
// may be this much narrower than its outer width.
inline constexpr int WINDOW_FRAME_ALLOWANCE = 16;
