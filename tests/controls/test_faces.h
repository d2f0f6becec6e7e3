// Button faces painted on the fly, so the tests don't depend on the game's pictures.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Writes name + ".png" (a flat picture of that size and colour) into the
// tests' scratch folder and returns the face name to load it by, that is the
// full path without ".png".
QString MakeTestFace(const QString& name, QSize size, QColor colour);

// The colour at the middle of what the widget shows.
QColor ShownColour(class QWidget& widget);
