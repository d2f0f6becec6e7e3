// A whole number in a range, shown in LED digits between two arrow buttons.
#pragma once

#include "controls/bitmap_button.h"

#include <QPushButton>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <memory>

class QPainter;
class QPixmap;

// The owner reads the value with GetValue whenever it likes and changes it
// with SetValue; the picker tells nobody about a click. Every change clamps
// the value into [minimum, maximum] and redraws only the digit cells.
class NumberPicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int DECREMENT_ID = 950;
    static constexpr int INCREMENT_ID = 951;
    static constexpr int FOCUS_SINK_ID = 952;
    static constexpr int INSET = 3;

    NumberPicker();
    ~NumberPicker() override;

    // Creates the visible picker over rect (parent client coordinates): at
    // least rect's width, always the arrow height + 6 tall. The value stays.
    void Create(const QRect& rect, QWidget* parent, int id, int32_t minimum,
                int32_t maximum, int32_t step);

    void SetValue(int32_t v);
    int32_t GetValue() const { return value; }
    int32_t Minimum() const { return minimum; }
    int32_t Maximum() const { return maximum; }
    int32_t Step() const { return step; }

    // What a screen reader calls the picker (its label) and its two arrows
    // (what a click on each does, e.g. "Fewer colours", "More colours").
    void SetSpokenNames(const QString& label, const QString& decrement, const QString& increment);

    // Draws the number now (nothing before Create).
    void Redraw();

    // One arrow click: a step down or up, clamped; the focus then moves to
    // the focus sink so the arrow doesn't keep it.
    void OnDecrement();
    void OnIncrement();

    // The first digit cell (picker coordinates) and the number of cells.
    QRect DigitArea() const { return digitArea; }
    int CellCount() const { return cellCount; }
    BitmapButton& DecrementButton() { return decrementButton; }
    BitmapButton& IncrementButton() { return incrementButton; }
    QPushButton& FocusSink() { return focusSink; }

    // Number of digit cells for v: decimal digits, plus one for a minus sign.
    static int DigitCount(int32_t v);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect DrawNumber(QPainter& painter) const;
    void LayOutArrows();
    // Redraws and tells a listening screen reader, when the value moved.
    void ValueChanged(int32_t before);

    BitmapButton decrementButton;
    BitmapButton incrementButton;
    QPushButton focusSink;
    int32_t minimum = 0;
    int32_t maximum = 9;
    int32_t value = 0;
    int32_t step = 1;
    QRect digitArea;
    int cellCount = 1;
    bool created = false;
    // The one digit strip of all pickers at this picker's density (plain or
    // twice dense); each picker holds it, so it lives while any picker may
    // still draw.
    std::shared_ptr<const QPixmap> digitStrip;
};
