// Text on pixel surfaces: plain and centred, or smoothed by drawing three times larger and averaging down.
#pragma once

#include "board/dib_surface.h"
#include "board/rect.h"

#include <QString>

// Draws text centred in box with the surface's text state (font, colour,
// background mode); the text's cell is what is centred.
void DrawTextCentered(const Rect& box, const QString& text, DibSurface& surface);

// The same, smoothed: the box's pixels are enlarged three times onto scratch,
// the text drawn there in the destination's font (already three times
// larger) and colour, and the result averaged back into the box. Writes
// nothing when the enlarged box does not fit in scratch.
void DrawTextSmooth(const Rect& box, const QString& text, DibSurface& destination, DibSurface& scratch);

// Box filter: each destination pixel of destinationRect becomes the average
// of its fx x fy source pixels (fx, fy the whole ratios of the rectangles'
// sizes), each channel rounded down. Does nothing unless both rectangles lie
// inside their surfaces, none of their sides is 0 and neither side of the
// destination is longer than the source's.
void Downsample(const DibSurface& source, DibSurface& destination, const Rect& sourceRect,
                const Rect& destinationRect);
