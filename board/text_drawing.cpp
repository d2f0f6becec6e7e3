// Plain and smoothed text on surfaces, and the box filter behind smoothing.
#include "text_drawing.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int SMOOTH_FACTOR = 3;

QColor ToQColor(ColourValue c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

struct TextPlacement {
    Rect cell;     // the text's cell: advance width x (ascent + descent)
    Rect ink;      // where its pixels may land
    int baseline;
};

TextPlacement PlaceCentered(const Rect& box, const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    const int tw = metrics.horizontalAdvance(text);
    const int th = metrics.ascent() + metrics.descent();
    const int x = (box.left + box.right) / 2 - tw / 2;
    const int y = (box.top + box.bottom) / 2 - th / 2;
    TextPlacement placement;
    placement.cell = {x, y, x + tw, y + th};
    placement.baseline = y + metrics.ascent();
    const QRect bounds = metrics.boundingRect(text);
    const int margin = 2 + th / 16;
    const Rect inkBox{x + bounds.left(), placement.baseline + bounds.top(),
                      x + bounds.left() + bounds.width(), placement.baseline + bounds.top() + bounds.height()};
    placement.ink = {std::min(inkBox.left, x) - margin, std::min(inkBox.top, y) - margin,
                     std::max(inkBox.right, x + tw) + margin, std::max(inkBox.bottom, y + th) + margin};
    return placement;
}

void Paint(DibSurface& surface, const TextPlacement& placement, const QString& text)
{
    QPainter painter(&surface.Image());
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!surface.text.transparent)
        painter.fillRect(placement.cell.left, placement.cell.top, placement.cell.Width(),
                         placement.cell.Height(), ToQColor(surface.text.background));
    painter.setFont(*surface.text.font);
    painter.setPen(ToQColor(surface.text.colour));
    painter.drawText(placement.cell.left, placement.baseline, text);
}

// Every pixel of `from` on source becomes a factor x factor square at `to`.
void CopyEnlarged(const DibSurface& source, const Rect& from, DibSurface& destination, int toX, int toY,
                  int factor)
{
    for (int y = 0; y < from.Height(); ++y) {
        const uint32_t* in = source.Row(from.top + y) + from.left;
        uint32_t* first = destination.Row(toY + y * factor) + toX;
        for (int x = 0; x < from.Width(); ++x)
            std::fill(first + x * factor, first + (x + 1) * factor, in[x]);
        for (int k = 1; k < factor; ++k)
            std::copy(first, first + from.Width() * factor, destination.Row(toY + y * factor + k) + toX);
    }
}

}  // namespace

void DrawTextCentered(const Rect& box, const QString& text, DibSurface& surface)
{
    if (!surface.HasPixels() || !surface.text.font || text.isEmpty())
        return;
    Paint(surface, PlaceCentered(box, text, *surface.text.font), text);
}

void DrawTextSmooth(const Rect& box, const QString& text, DibSurface& destination, DibSurface& scratch)
{
    if (!destination.HasPixels() || !scratch.HasPixels() || !destination.text.font || text.isEmpty())
        return;
    const int f = SMOOTH_FACTOR;
    const Rect big{0, 0, box.Width() * f, box.Height() * f};
    // Downsample would refuse these; skip the work that would come to nothing.
    if (box.IsEmpty() || big.Intersected(scratch.Bounds()) != big
        || box.Intersected(destination.Bounds()) != box)
        return;
    const DibSurface::TextState saved = scratch.text;
    scratch.text.transparent = true;
    scratch.text.font = destination.text.font;
    scratch.text.colour = destination.text.colour;
    const TextPlacement placement = PlaceCentered(big, text, *scratch.text.font);
    // Outside the text's ink an enlarged pixel averages back to itself, so only
    // the ink's neighbourhood (on whole f x f squares) needs the round trip.
    Rect work = placement.ink.Intersected(big);
    work = {work.left / f * f, work.top / f * f, (work.right + f - 1) / f * f, (work.bottom + f - 1) / f * f};
    work = work.Intersected(big);
    if (!work.IsEmpty()) {
        const Rect small{box.left + work.left / f, box.top + work.top / f, box.left + work.right / f,
                         box.top + work.bottom / f};
        CopyEnlarged(destination, small, scratch, work.left, work.top, f);
        Paint(scratch, placement, text);
        Downsample(scratch, destination, work, small);
    }
    scratch.text = saved;
}

void Downsample(const DibSurface& source, DibSurface& destination, const Rect& sourceRect,
                const Rect& destinationRect)
{
    if (!source.HasPixels() || !destination.HasPixels())
        return;
    const auto inside = [](const Rect& r, const DibSurface& s) {
        return r.left >= 0 && r.top >= 0 && r.right <= s.Width() && r.bottom <= s.Height();
    };
    if (!inside(sourceRect, source) || !inside(destinationRect, destination))
        return;
    const int sw = sourceRect.Width();
    const int sh = sourceRect.Height();
    const int dw = destinationRect.Width();
    const int dh = destinationRect.Height();
    // A destination side longer than the source's would step past the
    // source rectangle, and past the surface when it ends there.
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || dw > sw || dh > sh)
        return;
    const int fx = sw / dw;
    const int fy = sh / dh;
    const uint32_t area = static_cast<uint32_t>(fx * fy);
    for (int y = 0; y < dh; ++y) {
        uint32_t* out = destination.Row(destinationRect.top + y) + destinationRect.left;
        for (int x = 0; x < dw; ++x) {
            uint32_t sum0 = 0;
            uint32_t sum1 = 0;
            uint32_t sum2 = 0;
            for (int j = 0; j < fy; ++j) {
                const uint32_t* in = source.Row(sourceRect.top + y * fy + j) + sourceRect.left + x * fx;
                for (int i = 0; i < fx; ++i) {
                    sum0 += in[i] & 0xFF;
                    sum1 += (in[i] >> 8) & 0xFF;
                    sum2 += (in[i] >> 16) & 0xFF;
                }
            }
            // The top byte carries no colour; Qt wants it opaque.
            out[x] = 0xFF000000u | ((sum2 / area) << 16) | ((sum1 / area) << 8) | (sum0 / area);
        }
    }
}
