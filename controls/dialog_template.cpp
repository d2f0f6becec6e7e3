// Builds a dialog's controls from a table in dialog units, like a resource template.
#include "controls/dialog_template.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_colours.h"
#include "controls/picture_density.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

namespace {

const char* const CONTROL_ID_PROPERTY = "kolumoControlId";

// The classic dialog font is 8 point, a 13-pixel cell; nothing smaller than
// this is still pleasant to read.
constexpr int LARGEST_PIXEL_SIZE = 12;
constexpr int SMALLEST_PIXEL_SIZE = 8;

QFont SansFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

// Room a caption has inside its control, in pixels.
int TextRoom(const ControlTemplate& control, int width)
{
    if (control.kind == ControlKind::CHECK_BOX) {
        const QStyle* style = QApplication::style();
        return width - style->pixelMetric(QStyle::PM_IndicatorWidth)
            - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) - 2;
    }
    if (control.kind == ControlKind::GROUP_BOX)
        return width - 16;
    return width;
}

bool CaptionFits(const DialogTemplate& dialogTemplate, const ControlTemplate& control,
                 const QFontMetrics& metrics)
{
    if (control.kind == ControlKind::OWNER_DRAW_BUTTON || control.kind == ControlKind::ICON)
        return true;
    const QRect box = DialogUnitsToPixels(control.x, control.y, control.width, control.height);
    const QString text = ControlCaption(dialogTemplate, control);
    int widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int tall = static_cast<int>(lines.size()) * metrics.height();
    return widest <= TextRoom(control, box.width()) && tall <= std::max(box.height(), metrics.height());
}

QWidget* CreateControl(QDialog& dialog, const DialogTemplate& dialogTemplate,
                       const ControlTemplate& control, const std::function<void(int)>& onCommand)
{
    const QString text = ControlCaption(dialogTemplate, control);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::OWNER_DRAW_BUTTON: {
        auto* button = new BitmapButton(&dialog);
        button->setText(text);
        button->setAccessibleName(BitmapButton::SpokenName(text));
        button->setDefault(control.id == 1);
        const int id = control.id;
        QObject::connect(button, &QPushButton::clicked, &dialog, [onCommand, id] { onCommand(id); });
        widget = button;
        break;
    }
    case ControlKind::CHECK_BOX:
        widget = new QCheckBox(text, &dialog);
        break;
    case ControlKind::STATIC_LEFT:
    case ControlKind::STATIC_CENTRED: {
        auto* label = new QLabel(text, &dialog);
        label->setAlignment((control.kind == ControlKind::STATIC_CENTRED ? Qt::AlignHCenter : Qt::AlignLeft)
                            | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::GROUP_BOX:
        widget = new QGroupBox(text, &dialog);
        break;
    case ControlKind::ICON: {
        auto* label = new QLabel(&dialog);
        // A twice-dense twin of the icon, where one is made, for HiDPI screens.
        label->setPixmap(LoadPicture(text, PictureRatio(&dialog)));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    }
    widget->setGeometry(DialogUnitsToPixels(control.x, control.y, control.width, control.height));
    if (control.kind == ControlKind::ICON && !widget->sizeHint().isEmpty())
        widget->resize(widget->sizeHint());
    // A group box only frames what lies inside it; it must never cover it.
    if (control.kind == ControlKind::GROUP_BOX)
        widget->lower();
    SetControlId(widget, control.id);
    return widget;
}

} // namespace

QString ControlCaption(const DialogTemplate& dialogTemplate, const ControlTemplate& control)
{
    if (control.kind == ControlKind::OWNER_DRAW_BUTTON || control.kind == ControlKind::ICON
        || *control.text == '\0')
        return QString::fromUtf8(control.text);
    return QCoreApplication::translate(dialogTemplate.context, control.text);
}

QRect DialogUnitsToPixels(int x, int y, int width, int height)
{
    return QRect(x * 3 / 2, y * 13 / 8, width * 3 / 2, height * 13 / 8);
}

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    for (int size = LARGEST_PIXEL_SIZE; size > SMALLEST_PIXEL_SIZE; --size) {
        const QFontMetrics metrics(SansFont(size));
        bool allFit = true;
        for (const ControlTemplate& control : dialogTemplate.controls)
            allFit = allFit && CaptionFits(dialogTemplate, control, metrics);
        if (allFit)
            return SansFont(size);
    }
    return SansFont(SMALLEST_PIXEL_SIZE);
}

void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                 const std::function<void(int)>& onCommand)
{
    dialog.setWindowTitle(QCoreApplication::translate(dialogTemplate.context, dialogTemplate.title));
    dialog.setFixedSize(DialogUnitsToPixels(0, 0, dialogTemplate.width, dialogTemplate.height).size());
    dialog.setFont(DialogFont(dialogTemplate));
    ApplyDialogColours(&dialog);
    for (const ControlTemplate& control : dialogTemplate.controls)
        CreateControl(dialog, dialogTemplate, control, onCommand);
}

QWidget* FindControl(const QWidget* dialog, int id)
{
    if (dialog == nullptr || id == -1)
        return nullptr;
    const QList<QWidget*> children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (ControlId(child) == id)
            return child;
    }
    return nullptr;
}

int ControlId(const QWidget* control)
{
    const QVariant id = control->property(CONTROL_ID_PROPERTY);
    return id.isValid() ? id.toInt() : -1;
}

void SetControlId(QWidget* control, int id)
{
    control->setProperty(CONTROL_ID_PROPERTY, id);
}
