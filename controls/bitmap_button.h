// A push button drawn only from its face pictures (an up face, a down face).
#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QString>

#include <array>

// Owner-drawn push button. The caption names the faces: a button captioned
// "IDB_OK" wears ":/faces/IDB_OKU.png" normally and ":/faces/IDB_OKD.png"
// while held down; a numeric name such as "169" is ":/bitmaps/169.png" and a
// name with a folder in it, "/some/where/IDB_OKU", is that file plus ".png".
// The caption itself is never drawn. With no normal face the button draws
// nothing, yet clicks and keyboard activation still work.
// In a language whose words for a game face differ from the picture's, the
// face is lettered at run time instead, as wide as the words need.
// On a HiDPI screen each face comes from its twice-dense twin ("IDB_OKU@2x")
// where there is one: the button keeps the plain face's size in logical
// pixels and paints it with twice the pixels, or, at a ratio between 1 and
// 2, with the twin shrunk once to the screen's own pixels.
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

    // Width and height become the normal face's in logical pixels (the plain
    // picture's size, whichever density was loaded); the top-left corner stays.
    void SizeToContent();

    // The face an owner-draw request with this state would copy: pressed
    // beats focused beats disabled beats normal. Null when nothing loaded.
    const QPixmap* ChooseFace(int itemState) const;

    // The state flags that describe the button right now.
    int CurrentItemState() const;

    // The resource path of a face name ("" if the name is empty).
    static QString FacePath(const QString& name);

    // What a screen reader should call a button captioned with a face name:
    // the words on the face ("IDB_OK" -> "OK"). Any other caption is spoken
    // as it is.
    static QString SpokenName(const QString& caption);

    // Whether a button captioned so wears a face lettered at run time: one
    // of the game's faces, in a language that words it differently.
    static bool LetteredAtRunTime(const QString& caption);
    // The width in logical pixels of the game's face a caption names, in the
    // language in force (0 for a caption that names none).
    static int FaceWidth(const QString& caption);

    // The pixel density (1 or 2) the faces were last loaded for.
    int FaceDensity() const { return faceDensity; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Loads the named faces for the screen the button is on now.
    bool LoadFaces();
    // One face for the screen the button is on: the picture, or for a game
    // face whose words are translated, the face lettered with them.
    QPixmap LoadFace(const QString& name) const;
    // The words the game's face pictures carry ("IDB_OK" -> "OK").
    static QString EnglishWords(const QString& caption);

    // Normal, pressed, focused, disabled; kept to reload the faces when the
    // window moves to a screen of another density.
    std::array<QString, 4> faceNames;
    int faceDensity = 1;
    qreal faceRatio = 1;
    QPixmap normalFace;
    QPixmap pressedFace;
    QPixmap focusedFace;
    QPixmap disabledFace;
};
