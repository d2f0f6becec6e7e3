// Builds a dialog's controls from a table in dialog units, like a resource template.
#include "controls/dialog_template.h"

#include "controls/bitmap_button.h"
#include "controls/dialog_colours.h"
#include "controls/lettered_face.h"
#include "controls/picture_density.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

const char* const CONTROL_ID_PROPERTY = "kolumoControlId";

// The classic dialog font is 8 point, a 13-pixel cell; nothing smaller than
// 9 pixels is still pleasant to read.
constexpr int LARGEST_PIXEL_SIZE = 12;
constexpr int SMALLEST_PIXEL_SIZE = 9;
// How far a dialog may grow for a language's longer words, and in what steps.
constexpr int LARGEST_GROWTH_PERCENT = 300;
constexpr int GROWTH_STEP_PERCENT = 5;

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

// The control's box once the dialog has grown to growth's percentages of
// its template: its edges move out in proportion, in dialog units.
QRect ControlBox(const ControlTemplate& control, DialogGrowth growth)
{
    if (growth.widthPercent == 100 && growth.heightPercent == 100)
        return DialogUnitsToPixels(control.x, control.y, control.width, control.height);
    const int left = control.x * growth.widthPercent / 100;
    const int right = (control.x + control.width) * growth.widthPercent / 100;
    const int top = control.y * growth.heightPercent / 100;
    const int bottom = (control.y + control.height) * growth.heightPercent / 100;
    return DialogUnitsToPixels(left, top, right - left, bottom - top);
}

// How wide a line of a caption is: to the nearest pixel, as the dialogs'
// font was always chosen, or up to the next whole pixel, as a label's word
// wrap lays it out, for a dialog that grows.
int LineWidth(const QFont& font, const QString& line, bool wholePixels)
{
    if (!wholePixels)
        return QFontMetrics(font).horizontalAdvance(line);
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(line)));
}

// How tall a caption of several lines is: a line for each, and for a dialog
// that grows, as tall as the lines are laid out (a script the font lacks
// comes from a fallback font with taller lines).
int CaptionHeight(const QFont& font, const QString& text, bool wholePixels)
{
    const QFontMetrics metrics(font);
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    if (!wholePixels)
        return lines * metrics.height();
    return std::max(lines * metrics.height(), metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, text).height());
}

bool CaptionFits(const DialogTemplate& dialogTemplate, const ControlTemplate& control, const QFont& font,
                 DialogGrowth growth, bool wholePixels, bool englishText = false)
{
    if (control.kind == ControlKind::ICON)
        return true;
    // A face lettered wider than its design widens the dialog with it, so
    // that the faces keep the gaps between them and the dialog's edges.
    if (control.kind == ControlKind::OWNER_DRAW_BUTTON) {
        const QString caption = ControlCaption(dialogTemplate, control);
        const QSize design = FaceDesignSize(caption);
        return !design.isValid() || BitmapButton::FaceWidth(caption) * 100 <= design.width() * growth.widthPercent;
    }
    const QRect box = ControlBox(control, growth);
    const QString text = englishText ? QString::fromUtf8(control.text) : ControlCaption(dialogTemplate, control);
    // A check box as it will measure itself, box, spacing and margins and all.
    if (control.kind == ControlKind::CHECK_BOX && wholePixels) {
        QCheckBox probe(text);
        probe.setFont(font);
        return probe.sizeHint().width() <= box.width();
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, LineWidth(font, line, wholePixels));
    // One line may stand a pixel or two taller than its control.
    const int lineHeight = QFontMetrics(font).height();
    const int tall = text.contains(QLatin1Char('\n')) ? CaptionHeight(font, text, wholePixels) : lineHeight;
    return widest <= TextRoom(control, box.width()) && tall <= std::max(box.height(), lineHeight);
}

bool AllCaptionsFit(const DialogTemplate& dialogTemplate, const QFont& font, DialogGrowth growth)
{
    return std::all_of(dialogTemplate.controls.begin(), dialogTemplate.controls.end(),
                       [&](const ControlTemplate& control) { return CaptionFits(dialogTemplate, control, font, growth, true); });
}

// Text captions only: the faces do not depend on the dialog's font.
bool TextCaptionsFit(const DialogTemplate& dialogTemplate, const QFont& font, bool englishText)
{
    return std::all_of(dialogTemplate.controls.begin(), dialogTemplate.controls.end(),
                       [&](const ControlTemplate& control) {
                           return control.kind == ControlKind::OWNER_DRAW_BUTTON
                               || CaptionFits(dialogTemplate, control, font, {}, false, englishText);
                       });
}

QWidget* CreateControl(QDialog& dialog, const DialogTemplate& dialogTemplate, const ControlTemplate& control,
                       DialogGrowth growth, const std::function<void(int)>& onCommand)
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
    widget->setGeometry(ControlBox(control, growth));
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
    return FitDialog(dialogTemplate).font;
}

DialogFit FitDialog(const DialogTemplate& dialogTemplate)
{
    DialogFit fit{SansFont(SMALLEST_PIXEL_SIZE), {}};
    // No language's dialog is lettered larger than the English one: the
    // controls were drawn around the English lines, and a larger font would
    // stand taller than they are.
    int largest = LARGEST_PIXEL_SIZE;
    while (largest > SMALLEST_PIXEL_SIZE && !TextCaptionsFit(dialogTemplate, SansFont(largest), true))
        --largest;
    for (int size = largest; size >= SMALLEST_PIXEL_SIZE; --size) {
        if (TextCaptionsFit(dialogTemplate, SansFont(size), false)) {
            fit.font = SansFont(size);
            break;
        }
    }
    // Where even the smallest font leaves a caption too long (a language
    // whose words run longer than English), or a face is lettered wider than
    // its picture, the dialog grows: wider, then, for lines that still
    // stand taller than their controls, taller.
    const auto tallest = [&](DialogGrowth growth) {
        growth.heightPercent = LARGEST_GROWTH_PERCENT;
        return growth;
    };
    DialogGrowth& growth = fit.growth;
    while (growth.widthPercent < LARGEST_GROWTH_PERCENT && !AllCaptionsFit(dialogTemplate, fit.font, tallest(growth)))
        growth.widthPercent += GROWTH_STEP_PERCENT;
    while (growth.heightPercent < LARGEST_GROWTH_PERCENT && !AllCaptionsFit(dialogTemplate, fit.font, growth))
        growth.heightPercent += GROWTH_STEP_PERCENT;
    return fit;
}

void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                 const std::function<void(int)>& onCommand)
{
    const DialogFit fit = FitDialog(dialogTemplate);
    dialog.setWindowTitle(QCoreApplication::translate(dialogTemplate.context, dialogTemplate.title));
    dialog.setFixedSize(DialogUnitsToPixels(0, 0, dialogTemplate.width * fit.growth.widthPercent / 100,
                                            dialogTemplate.height * fit.growth.heightPercent / 100)
                            .size());
    dialog.setFont(fit.font);
    ApplyDialogColours(&dialog);
    for (const ControlTemplate& control : dialogTemplate.controls)
        CreateControl(dialog, dialogTemplate, control, fit.growth, onCommand);
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
