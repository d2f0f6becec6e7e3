// A check for any dialog: every caption fits its control, in a font no smaller than nine pixels.
#pragma once

class QDialog;

// Shows the dialog and checks its check boxes, labels (line by line) and
// group boxes; failures name the caption.
void ExpectCaptionsFit(QDialog& dialog);
