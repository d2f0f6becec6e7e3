// Two rows of five colour swatches, one per block colour code.
#include "controls/colour_panel.h"

#include "controls/dialog_template.h"

ColourPanel::ColourPanel() = default;

void ColourPanel::Create(const QRect& rect, QWidget* parent)
{
    setParent(parent);
    SetControlId(this, PANEL_ID);
    setGeometry(rect);
    const int cx = rect.width();
    const int cy = rect.height();
    const int w = cx / 7;
    const int h = (4 * cy + 5) / 10;
    const int pitch = w + (cx - 5 * w + 2) / 4;
    const int rowPitch = h + h / 2;
    for (int i = 1; i <= 10; ++i) {
        ColourSwatch& swatch = swatches[static_cast<size_t>(i - 1)];
        swatch.setParent(this);
        SetControlId(&swatch, FIRST_SWATCH_ID + i - 1);
        swatch.setGeometry(((i - 1) % 5) * pitch, ((i - 1) / 5) * rowPitch, w, h);
        swatch.face = colours[static_cast<size_t>(i - 1)];
        swatch.caption = QString::number(i);
        swatch.show();
    }
    show();
}

void ColourPanel::LoadFromSwatches()
{
    for (size_t k = 0; k < swatches.size(); ++k)
        colours[k] = swatches[k].face;
}

void ColourPanel::Synchronise()
{
    for (size_t k = 0; k < swatches.size(); ++k) {
        swatches[k].face = colours[k];
        swatches[k].update();
    }
    update();
}
