// A push button drawn only from its face pictures (an up face, a down face).
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QString>

// Owner-drawn push button. The caption names the faces: a button captioned
// "IDB_OK" wears ":/faces/IDB_OKU.png" normally and ":/faces/IDB_OKD.png"
// while held down; a numeric name such as "169" is ":/bitmaps/169.png" and a
// name with a folder in it, "/some/where/IDB_OKU", is that file plus ".png".
// The caption itself is never drawn. With no normal face the button draws
// nothing, yet clicks and keyboard activation still work.
class BitmapButton : public QPushButton {
    Q_OBJECT

public:
    // What the drawing code is told about the button, as flags.
    enum ItemState { ITEM_NORMAL = 0, ITEM_SELECTED = 1, ITEM_FOCUSED = 2, ITEM_DISABLED = 4 };

    explicit BitmapButton(QWidget* parent = nullptr);

    // Creates the control for an object built without one: caption, parent
    // and control id; not shown until laid out.
    void Create(const QString& caption, QWidget* parent, int controlId);

    // Checks that this button is the dialog's control with that id, reads its
    // caption and loads the faces caption + "U", "D", "F" and "X". False if
    // the control isn't this button or the normal face is missing (the
    // control then keeps its size); otherwise sizes it to the face.
    bool AutoLoad(int controlId, QWidget* dialog);

    // Releases the four faces, then loads the given ones (empty name =
    // absent). False at once if the normal face fails (others stay empty);
    // otherwise true only if every given face loaded.
    bool LoadBitmaps(const QString& normal, const QString& pressed = {},
                     const QString& focused = {}, const QString& disabled = {});

    // Width and height become the normal face's; the top-left corner stays.
    void SizeToContent();

    // The face an owner-draw request with this state would copy: pressed
    // beats focused beats disabled beats normal. Null when nothing loaded.
    const QPixmap* ChooseFace(int itemState) const;

    // The state flags that describe the button right now.
    int CurrentItemState() const;

    // The resource path of a face name ("" if the name is empty).
    static QString FacePath(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap normalFace;
    QPixmap pressedFace;
    QPixmap focusedFace;
    QPixmap disabledFace;
};
