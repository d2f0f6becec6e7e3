// A push button drawn only from its face pictures (an up face, a down face).
#include "controls/bitmap_button.h"

#include "controls/dialog_template.h"
#include "controls/lettered_face.h"
#include "controls/picture_density.h"

#include <QEvent>
#include <QPainter>

namespace {

struct SpokenFace {
    const char* caption;
    const char* words;
};

// The words drawn on each of the game's button faces.
constexpr SpokenFace SPOKEN_FACES[] = {
    {"IDB_OK", QT_TRANSLATE_NOOP("BitmapButton", "OK")},
    {"IDB_CANCEL", QT_TRANSLATE_NOOP("BitmapButton", "Cancel")},
    //: Restores the default settings.
    {"IDB_DEFAULT", QT_TRANSLATE_NOOP("BitmapButton", "Default")},
    {"IDB_WEBSITE", QT_TRANSLATE_NOOP("BitmapButton", "Visit Website")},
    //: Chooses the folder the music is played from.
    {"IDB_SETMUSIC", QT_TRANSLATE_NOOP("BitmapButton", "Set Music Dir")},
    {"IDB_RESET", QT_TRANSLATE_NOOP("BitmapButton", "Reset Statistics")},
    {"IDB_YES", QT_TRANSLATE_NOOP("BitmapButton", "Yes")},
    {"IDB_NO", QT_TRANSLATE_NOOP("BitmapButton", "No")},
};

} // namespace

BitmapButton::BitmapButton(QWidget* parent)
    : QPushButton(parent)
{
}

void BitmapButton::Create(const QString& caption, QWidget* parent, int controlId)
{
    hide();
    setParent(parent);
    setText(caption);
    setAccessibleName(SpokenName(caption));
    SetControlId(this, controlId);
    setGeometry(0, 0, 10, 10);
}

bool BitmapButton::AutoLoad(int controlId, QWidget* dialog)
{
    if (FindControl(dialog, controlId) != this)
        return false;
    const QString caption = text();
    LoadBitmaps(caption + QLatin1Char('U'), caption + QLatin1Char('D'),
                caption + QLatin1Char('F'), caption + QLatin1Char('X'));
    if (normalFace.isNull())
        return false;
    SizeToContent();
    return true;
}

bool BitmapButton::LoadBitmaps(const QString& normal, const QString& pressed,
                               const QString& focused, const QString& disabled)
{
    faceNames = {normal, pressed, focused, disabled};
    const bool allLoaded = LoadFaces();
    update();
    return allLoaded;
}

bool BitmapButton::LoadFaces()
{
    // A face that isn't there stays a null pixmap; nothing is said about it.
    faceDensity = PictureDensity(this);
    faceRatio = PictureRatio(this);
    const auto load = [this](const QString& name) { return LoadFace(name); };
    normalFace = pressedFace = focusedFace = disabledFace = QPixmap();
    normalFace = load(faceNames[0]);
    if (normalFace.isNull())
        return false;
    bool allLoaded = true;
    const auto loadOptional = [&allLoaded, &load](QPixmap& face, const QString& name) {
        if (name.isEmpty())
            return;
        face = load(name);
        allLoaded = allLoaded && !face.isNull();
    };
    loadOptional(pressedFace, faceNames[1]);
    loadOptional(focusedFace, faceNames[2]);
    loadOptional(disabledFace, faceNames[3]);
    return allLoaded;
}

QPixmap BitmapButton::LoadFace(const QString& name) const
{
    // A game face whose words the language in force says otherwise is
    // lettered now; the English words keep their pictures.
    const QString caption = name.chopped(1);
    const bool pressed = name.endsWith(QLatin1Char('D'));
    if (!name.isEmpty() && LetteredAtRunTime(caption) && (pressed || name.endsWith(QLatin1Char('U'))))
        return LetteredFacePicture(SpokenName(caption), FaceDesignSize(caption), pressed, faceRatio);
    return LoadPicture(FacePath(name), faceRatio);
}

bool BitmapButton::LetteredAtRunTime(const QString& caption)
{
    return FaceDesignSize(caption).isValid() && SpokenName(caption) != EnglishWords(caption);
}

int BitmapButton::FaceWidth(const QString& caption)
{
    const QSize design = FaceDesignSize(caption);
    if (!design.isValid())
        return 0;
    return LetteredAtRunTime(caption) ? LetteredFaceWidth(SpokenName(caption), design) : design.width();
}

void BitmapButton::SizeToContent()
{
    if (!normalFace.isNull())
        resize(normalFace.deviceIndependentSize().toSize());
}

const QPixmap* BitmapButton::ChooseFace(int itemState) const
{
    if (normalFace.isNull())
        return nullptr;
    if ((itemState & ITEM_SELECTED) && !pressedFace.isNull())
        return &pressedFace;
    if ((itemState & ITEM_SELECTED) == 0) {
        if ((itemState & ITEM_FOCUSED) && !focusedFace.isNull())
            return &focusedFace;
        if ((itemState & ITEM_DISABLED) && !disabledFace.isNull())
            return &disabledFace;
    }
    return &normalFace;
}

int BitmapButton::CurrentItemState() const
{
    int state = ITEM_NORMAL;
    if (isDown())
        state |= ITEM_SELECTED;
    if (hasFocus())
        state |= ITEM_FOCUSED;
    if (!isEnabled())
        state |= ITEM_DISABLED;
    return state;
}

QString BitmapButton::FacePath(const QString& name)
{
    if (name.isEmpty())
        return {};
    // A name with a folder in it is a picture file of its own (faces made on
    // the fly, for instance); the game's faces are resources.
    if (name.contains(QLatin1Char('/')))
        return name + QStringLiteral(".png");
    bool numbered = false;
    name.toInt(&numbered);
    return (numbered ? QStringLiteral(":/bitmaps/") : QStringLiteral(":/faces/")) + name
        + QStringLiteral(".png");
}

QString BitmapButton::SpokenName(const QString& caption)
{
    for (const SpokenFace& face : SPOKEN_FACES) {
        if (caption == QLatin1String(face.caption))
            return tr(face.words);
    }
    return caption;
}

QString BitmapButton::EnglishWords(const QString& caption)
{
    for (const SpokenFace& face : SPOKEN_FACES) {
        if (caption == QLatin1String(face.caption))
            return QString::fromLatin1(face.words);
    }
    return caption;
}

bool BitmapButton::event(QEvent* event)
{
    // Only the pictures change: the button keeps its logical size.
    if (MayChangeDensity(event) && !normalFace.isNull() && PictureRatio(this) != faceRatio) {
        LoadFaces();
        update();
    }
    return QPushButton::event(event);
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    const QPixmap* face = ChooseFace(CurrentItemState());
    if (face == nullptr)
        return;
    QPainter painter(this);
    // A dense face on a screen between the two densities is shrunk a little:
    // smoothly, or thin strokes of the lettering would drop out.
    if (painter.device()->devicePixelRatioF() < face->devicePixelRatio())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = face->devicePixelRatio();
    painter.drawPixmap(QPointF(0, 0), *face, QRectF(0, 0, width() * ratio, height() * ratio));
}
