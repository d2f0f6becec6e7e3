// A whole number in a range, shown in LED digits between two arrow buttons.
#include "controls/number_picker.h"

#include "controls/dialog_template.h"
#include "controls/number_picker_accessible.h"
#include "controls/picture_density.h"

#include <QAccessible>

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <map>
#include <string>

namespace {

const QString DIGIT_STRIP_PATH = QStringLiteral(":/bitmaps/167.png");
const QString DECREMENT_UP = QStringLiteral("169");
const QString DECREMENT_DOWN = QStringLiteral("168");
const QString INCREMENT_UP = QStringLiteral("171");
const QString INCREMENT_DOWN = QStringLiteral("170");

// The sizes the pictures are drawn at; used as they are when a picture is
// missing, so a picker keeps its shape and its arrows stay clickable.
constexpr QSize STRIP_SIZE(160, 48);
constexpr QSize ARROW_SIZE(32, 24);

// Where an LED cell shows nothing lit: the strip's dark maroon ground.
const QColor LED_GROUND(57, 33, 33);

// The edge of a bump: a raised outer line and a sunken inner line.
const QColor EDGE_LIGHT(227, 227, 227);
const QColor EDGE_DARK_SHADOW(105, 105, 105);
const QColor EDGE_SHADOW(160, 160, 160);
const QColor EDGE_HIGHLIGHT(255, 255, 255);

// All pickers on screens of one pixel ratio draw from one strip. Each holds a
// share of it, so the strip is released only when the last picker that
// could draw from it is gone.
std::shared_ptr<const QPixmap> ShareDigitStrip(qreal ratio)
{
    static std::map<qreal, std::weak_ptr<const QPixmap>> shared;
    std::weak_ptr<const QPixmap>& slot = shared[ratio];
    std::shared_ptr<const QPixmap> strip = slot.lock();
    if (!strip) {
        strip = std::make_shared<const QPixmap>(LoadPicture(DIGIT_STRIP_PATH, ratio));
        slot = strip;
    }
    return strip;
}

// In logical pixels: a dense strip measures what the plain one does.
QSize StripSize(const QPixmap& strip)
{
    return strip.isNull() ? STRIP_SIZE : strip.deviceIndependentSize().toSize();
}

QSize ArrowSize()
{
    const QPixmap face(BitmapButton::FacePath(DECREMENT_UP));
    return face.isNull() ? ARROW_SIZE : face.size();
}

int CellWidth(const QPixmap& strip) { return (StripSize(strip).width() + 5) / 10; }
int RowHeight(const QPixmap& strip) { return (StripSize(strip).height() + 1) / 2; }

// Whole logical pixels filled rather than lines stroked, so the edge stays
// one pixel deep on a plain screen and exactly two on a dense one.
void DrawBumpEdge(QPainter& painter, const QRect& r)
{
    const auto frame = [&painter](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(QRect(box.left(), box.top(), box.width() - 1, 1), topLeft);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height() - 1), topLeft);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
    };
    frame(r, EDGE_LIGHT, EDGE_DARK_SHADOW);
    frame(r.adjusted(1, 1, -1, -1), EDGE_SHADOW, EDGE_HIGHLIGHT);
}

} // namespace

NumberPicker::NumberPicker()
    : digitStrip(ShareDigitStrip(PictureRatio(this)))
{
    NumberPickerAccessible::Install();
}

NumberPicker::~NumberPicker() = default;

int NumberPicker::DigitCount(int32_t v)
{
    // Counted without logarithms, so a negative or zero end is as safe as
    // any other: the digits of the magnitude, one more for a minus sign.
    int64_t magnitude = v < 0 ? -static_cast<int64_t>(v) : v;
    int digits = 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++digits;
    }
    return digits + (v < 0 ? 1 : 0);
}

void NumberPicker::Create(const QRect& rect, QWidget* parent, int id, int32_t minimumValue,
                          int32_t maximumValue, int32_t stepValue)
{
    maximum = maximumValue;
    minimum = minimumValue;
    step = stepValue;
    const QSize arrow = ArrowSize();
    const int cellW = CellWidth(*digitStrip);
    const int rowH = RowHeight(*digitStrip);
    cellCount = std::max(DigitCount(maximum), DigitCount(minimum));
    const int needed = cellCount * cellW + 2 * arrow.width() + 2 * INSET;
    const int width = std::max(rect.width(), needed);

    setParent(parent);
    SetControlId(this, id);
    // Now that the picker knows its window, the strip can match its screen.
    digitStrip = ShareDigitStrip(PictureRatio(this));
    decrementButton.Create(QStringLiteral("<"), this, DECREMENT_ID);
    incrementButton.Create(QStringLiteral(">"), this, INCREMENT_ID);
    decrementButton.LoadBitmaps(DECREMENT_UP, DECREMENT_DOWN);
    incrementButton.LoadBitmaps(INCREMENT_UP, INCREMENT_DOWN);
    // Spoken in place of the "<" and ">" captions until the owner names them.
    if (decrementButton.accessibleName().isEmpty())
        SetSpokenNames(accessibleName(),
                       //: Spoken name of a number picker's down arrow.
                       tr("Less"),
                       //: Spoken name of a number picker's up arrow.
                       tr("More"));
    for (BitmapButton* arrowButton : {&decrementButton, &incrementButton}) {
        arrowButton->setAutoDefault(false);
        arrowButton->setFocusPolicy(Qt::ClickFocus);
    }
    connect(&decrementButton, &QPushButton::clicked, this, &NumberPicker::OnDecrement);
    connect(&incrementButton, &QPushButton::clicked, this, &NumberPicker::OnIncrement);

    // Qt gives no focus to a hidden or disabled widget, so the sink is an
    // enabled button with no size: the player never sees it, never tabs to
    // it, and Enter still goes to the dialog's default button.
    focusSink.setParent(this);
    SetControlId(&focusSink, FOCUS_SINK_ID);
    focusSink.setAutoDefault(false);
    focusSink.setFocusPolicy(Qt::ClickFocus);
    focusSink.setGeometry(0, 0, 0, 0);
    focusSink.show();

    const int digitLeft = arrow.width() + INSET + (width - 2 * arrow.width() - 2 * INSET - cellCount * cellW) / 2;
    digitArea = QRect(digitLeft, INSET, cellW, rowH);
    created = true;
    setGeometry(rect.left(), rect.top(), width, arrow.height() + 2 * INSET);
    LayOutArrows();
    show();
}

void NumberPicker::SetValue(int32_t v)
{
    const int32_t before = value;
    value = std::min(std::max(v, minimum), maximum);
    ValueChanged(before);
}

void NumberPicker::SetSpokenNames(const QString& label, const QString& decrement, const QString& increment)
{
    setAccessibleName(label);
    decrementButton.setAccessibleName(decrement);
    incrementButton.setAccessibleName(increment);
}

void NumberPicker::ValueChanged(int32_t before)
{
    Redraw();
    if (value != before && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

void NumberPicker::Redraw()
{
    if (!created)
        return;
    const QRect cells(digitArea.topLeft(), QSize(cellCount * digitArea.width(), digitArea.height()));
    if (isVisible())
        repaint(cells);
    else
        update(cells);
}

void NumberPicker::OnDecrement()
{
    const int32_t before = value;
    value = std::max(value - step, minimum);
    ValueChanged(before);
    focusSink.setFocus(Qt::OtherFocusReason);
}

void NumberPicker::OnIncrement()
{
    const int32_t before = value;
    value = std::min(value + step, maximum);
    ValueChanged(before);
    focusSink.setFocus(Qt::OtherFocusReason);
}

void NumberPicker::LayOutArrows()
{
    const QRect inner = rect().adjusted(INSET, INSET, -INSET, -INSET);
    decrementButton.resize(ArrowSize());
    decrementButton.SizeToContent();
    decrementButton.move(inner.topLeft());
    incrementButton.resize(decrementButton.size());
    incrementButton.move(inner.left() + inner.width() - incrementButton.width(), inner.top());
    for (BitmapButton* arrowButton : {&decrementButton, &incrementButton}) {
        arrowButton->raise();
        arrowButton->show();
    }
}

bool NumberPicker::event(QEvent* event)
{
    // The arrows reload their own faces; the cells keep their logical size.
    if (MayChangeDensity(event) && created) {
        std::shared_ptr<const QPixmap> strip = ShareDigitStrip(PictureRatio(this));
        if (strip != digitStrip) {
            digitStrip = std::move(strip);
            update();
        }
    }
    return QWidget::event(event);
}

void NumberPicker::resizeEvent(QResizeEvent*)
{
    if (created)
        LayOutArrows();
}

void NumberPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    DrawBumpEdge(painter, rect());
    DrawNumber(painter);
}

QRect NumberPicker::DrawNumber(QPainter& painter) const
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < cellCount)
        text.insert(0, static_cast<size_t>(cellCount) - text.size(), ' ');
    QRect cell = digitArea;
    // Between the two densities the dense strip is shrunk a little: smoothly,
    // so no segment loses a stroke.
    if (painter.device()->devicePixelRatioF() < digitStrip->devicePixelRatio())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (char c : text) {
        int column = 0;
        int row = 1;
        if (c >= '0' && c <= '9') {
            column = c - '0';
            row = 0;
        } else if (c == '-') {
            column = 1;
        }
        if (digitStrip->isNull()) {
            painter.fillRect(cell, LED_GROUND);
        } else {
            // The cell in the strip's own pixels: 32 x 48 of a dense strip.
            const qreal ratio = digitStrip->devicePixelRatio();
            const QRectF source(column * cell.width() * ratio, row * cell.height() * ratio,
                                cell.width() * ratio, cell.height() * ratio);
            painter.drawPixmap(QPointF(cell.topLeft()), *digitStrip, source);
        }
        cell.translate(cell.width(), 0);
    }
    return QRect(digitArea.topLeft(), QSize(cellCount * digitArea.width(), digitArea.height()));
}
