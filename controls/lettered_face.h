// Letters a dialog button face with any words at run time, exactly as the face generator letters the game's own.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The game's faces carry English words, drawn at build time. In another
// language a face is drawn here instead, in the same peach, bevel, bold
// 15-pixel lettering and colour; a test holds the English words drawn here
// to the generated pictures pixel for pixel, so the two cannot drift apart.

// The size of the face a caption names ("IDB_OK" -> 80 x 30), in logical
// pixels; an invalid size for a caption that names none of the game's faces.
QSize FaceDesignSize(const QString& caption);

// The width, in logical pixels, of a face of that design lettered with
// words: the design's own width, or wider when the words need the room
// (they keep FACE_SIDE_ROOM clear on either side, bevel included).
int LetteredFaceWidth(const QString& words, QSize designSize);
inline constexpr int FACE_SIDE_ROOM = 10;

// The face lettered with words, LetteredFaceWidth wide and the design's
// height, drawn with density pixels per logical pixel (1 or 2); pushed, the
// bevel turns sunken and the words sink a pixel down and right.
QImage LetteredFace(const QString& words, QSize designSize, bool pressed, int density);

// The same ready to paint on a screen of that device pixel ratio, as
// LoadPicture prepares the generated faces: drawn at density 2 on any
// screen denser than plain, and shrunk once between the two densities.
QPixmap LetteredFacePicture(const QString& words, QSize designSize, bool pressed, qreal ratio);
