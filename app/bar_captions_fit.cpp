// Fits the bar's captions to their buttons: a smaller font down to a floor, then a wider least window.
#include "app/bar_captions_fit.h"

#include "app/window_geometry.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

// As the dialogs: nothing smaller is still pleasant to read.
constexpr int SMALLEST_PIXEL_SIZE = 9;
constexpr int MOST_LEAST_WIDTH_TIMES = 4;

// Whether every caption fits its button in a window whose client area is
// clientWidth wide, in font.
bool CaptionsFit(const QPushButton& sample, const QStringList& captions, const QFont& font, int clientWidth)
{
    const ChildPlacement placement = PlaceChildren(clientWidth, BUTTON_BAR_HEIGHT);
    const QFontMetrics metrics(font);
    for (qsizetype k = 0; k < captions.size() && k < BAR_BUTTON_COUNT; ++k) {
        const int room = BarCaptionRoom(sample, placement.buttons[static_cast<size_t>(k)].Width());
        if (metrics.horizontalAdvance(captions[k]) > room)
            return false;
    }
    return true;
}

QFont WithPixelSize(QFont font, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

int BarCaptionRoom(const QPushButton& button, int width)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(0, 0, width, BUTTON_BAR_HEIGHT);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

BarCaptionsFit FitBarCaptions(const QPushButton& sample, const QStringList& captions, int menuBarWidth,
                              int leastWidth)
{
    BarCaptionsFit fit;
    fit.leastWidth = leastWidth;
    const QFont own = sample.font();
    const int narrowest = leastWidth - WINDOW_FRAME_ALLOWANCE;
    if (!CaptionsFit(sample, captions, own, narrowest)) {
        const int ownSize = QFontInfo(own).pixelSize();
        fit.font = WithPixelSize(own, SMALLEST_PIXEL_SIZE);
        for (int size = ownSize - 1; size > SMALLEST_PIXEL_SIZE; --size) {
            if (CaptionsFit(sample, captions, WithPixelSize(own, size), narrowest)) {
                fit.font = WithPixelSize(own, size);
                break;
            }
        }
    }
    const QFont font = fit.font.value_or(own);
    // Two pixels more for each of the nine buttons at a time; a caption no
    // window could hold leaves the widest window thought reasonable.
    const int widest = MOST_LEAST_WIDTH_TIMES * leastWidth;
    while (fit.leastWidth < widest && (!CaptionsFit(sample, captions, font, fit.leastWidth - WINDOW_FRAME_ALLOWANCE)
           || menuBarWidth > fit.leastWidth - WINDOW_FRAME_ALLOWANCE))
        fit.leastWidth += 2 * BAR_BUTTON_COUNT;
    return fit;
}
