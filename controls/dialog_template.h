// Builds a dialog's controls from a table in dialog units, like a resource template.
#pragma once

#include <QFont>
#include <QRect>

#include <functional>
#include <span>

class QDialog;
class QWidget;

enum class ControlKind {
    OWNER_DRAW_BUTTON, // becomes a BitmapButton; the text names its faces
    CHECK_BOX,
    STATIC_LEFT,
    STATIC_CENTRED,
    GROUP_BOX,
    ICON,              // the text is the icon's resource path
};

// One control; position and size in dialog units. Id -1: no id.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
};

// context is the translation context of the title and the captions; the
// tables mark them with QT_TRANSLATE_NOOP in that context. Faces' names and
// icons' paths are not captions and stay as they are.
struct DialogTemplate {
    const char* title;
    int width;
    int height;
    std::span<const ControlTemplate> controls;
    const char* context = "DialogTemplate";
};

// The caption a control shows: the table's text in the player's language.
QString ControlCaption(const DialogTemplate& dialogTemplate, const ControlTemplate& control);

// Dialog units to pixels: x and width * 1.5, y and height * 1.625, each
// truncated on its own.
QRect DialogUnitsToPixels(int x, int y, int width, int height);

// How far a dialog grows beyond its template, in percent.
struct DialogGrowth {
    int widthPercent = 100;
    int heightPercent = 100;
};

// How a dialog holds its captions in the language in force.
struct DialogFit {
    // A sans face, the largest size up to the classic 8 point cell at which
    // every caption fits its control, but not below 9 pixels.
    QFont font;
    // None, or where even the 9-pixel font leaves a caption too long or a
    // button face is lettered wider than its picture, wider: every
    // control's left and right edges, and the dialog's width, move out in
    // proportion, in steps of 5 %, until all fit; then, where a caption of
    // several lines stands taller than its control (a script whose fallback
    // font has taller lines), taller in the same way. English keeps its
    // templates' sizes.
    DialogGrowth growth;
};
DialogFit FitDialog(const DialogTemplate& dialogTemplate);
QFont DialogFont(const DialogTemplate& dialogTemplate);

// Titles the dialog, fixes its client size (widened as FitDialog says),
// applies the dialog colours and font and creates the controls in table
// (tab) order. Every push button's click calls onCommand with the button's id.
void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                 const std::function<void(int)>& onCommand);

// The dialog's control with that id (nullptr if none).
QWidget* FindControl(const QWidget* dialog, int id);
// The control id a built control carries (-1 if none).
int ControlId(const QWidget* control);
void SetControlId(QWidget* control, int id);
