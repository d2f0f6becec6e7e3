// A push button drawn only from its face pictures (an up face, a down face).
#include "controls/bitmap_button.h"

#include "controls/dialog_template.h"

#include <QFile>
#include <QPainter>

namespace {

// A face that isn't there stays a null pixmap; nothing is said about it.
QPixmap LoadFace(const QString& name)
{
    const QString path = BitmapButton::FacePath(name);
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    return QPixmap(path);
}

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
    normalFace = pressedFace = focusedFace = disabledFace = QPixmap();
    normalFace = LoadFace(normal);
    if (normalFace.isNull())
        return false;
    bool allLoaded = true;
    const auto loadOptional = [&allLoaded](QPixmap& face, const QString& name) {
        if (name.isEmpty())
            return;
        face = LoadFace(name);
        allLoaded = allLoaded && !face.isNull();
    };
    loadOptional(pressedFace, pressed);
    loadOptional(focusedFace, focused);
    loadOptional(disabledFace, disabled);
    update();
    return allLoaded;
}

void BitmapButton::SizeToContent()
{
    if (!normalFace.isNull())
        resize(normalFace.size());
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

void BitmapButton::paintEvent(QPaintEvent*)
{
    const QPixmap* face = ChooseFace(CurrentItemState());
    if (face == nullptr)
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), *face, QRect(0, 0, width(), height()));
}
