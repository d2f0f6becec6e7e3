// The raised (or, pressed, sunken) two-ring edge of a button face.
#pragma once

#include <QColor>

class QImage;

// Light falls from the top left: a raised face is light on its top and left
// edges and dark on the others; a pressed one the other way round. The outer
// ring is the stronger step, the inner one a softer step towards the face.
class Bevel {
public:
    Bevel(QColor lightOuter, QColor lightInner, QColor darkOuter, QColor darkInner);

    // Paints both rings around the edge of image. At scale 2 and above each
    // ring is scale pixels wide, for screens with that device pixel ratio.
    void Fill(QImage& image, int scale, bool pressed) const;

private:
    QColor lightOuter;
    QColor lightInner;
    QColor darkOuter;
    QColor darkInner;
};
