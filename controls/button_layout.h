// Lays out rows of dialog buttons once they have taken the size of their faces.
#pragma once

#include <span>

class QWidget;

// Spreads the controls with these ids (left to right) over the dialog's
// client width: the first stays put, all take its top and height, the gaps
// are equal and the last ends as far from the right edge as the first
// begins from the left (its width absorbs the rounding, never below zero).
// Fewer than two controls, or an id not found: nothing moves.
void SpreadButtonRow(QWidget* dialog, std::span<const int> ids);

// Moves control id sideways so that its right edge lines up with that of
// control referenceId; its top and size stay.
void AlignRightEdge(QWidget* dialog, int id, int referenceId);
