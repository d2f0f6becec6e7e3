// The main window's geometry rules.
#include "window_geometry.h"

#include <algorithm>

int64_t WidthOf(const DesktopRect& rect)
{
    return static_cast<int64_t>(rect.right) - rect.left;
}

int64_t HeightOf(const DesktopRect& rect)
{
    return static_cast<int64_t>(rect.bottom) - rect.top;
}

bool IsLargerThanScreen(const DesktopRect& rect, int screenWidth, int screenHeight)
{
    return WidthOf(rect) > static_cast<int64_t>(screenWidth) - 4
        || HeightOf(rect) > static_cast<int64_t>(screenHeight) - 4;
}

void ConstrainSizing(DesktopRect& rect, int32_t minWidth, int32_t minHeight)
{
    // Edges are moved in 64 bits and clamped, so a rectangle at the far end
    // of the coordinate range cannot wrap around.
    const auto clampTo32 = [](int64_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    };
    if (WidthOf(rect) < minWidth)
        rect.right = clampTo32(static_cast<int64_t>(rect.left) + minWidth);
    if (HeightOf(rect) < minHeight)
        rect.bottom = clampTo32(static_cast<int64_t>(rect.top) + minHeight);
    const int64_t width = WidthOf(rect);
    const int64_t height = HeightOf(rect);
    if (100 * height < 60 * width)
        rect.bottom = clampTo32(rect.top + (60 * width) / 100);
    else if (60 * width < 70 * height)
        rect.right = clampTo32(rect.left + (70 * height) / 60);
}

namespace {

bool IsOnAnyScreen(const DesktopRect& rect, const std::vector<DesktopRect>& screens)
{
    for (const DesktopRect& screen : screens) {
        if (rect.left < screen.right && rect.right > screen.left && rect.top < screen.bottom
            && rect.bottom > screen.top)
            return true;
    }
    return false;
}

} // namespace

CheckedWindowRect CheckWindowRect(const DesktopRect& rect, const DesktopRect& defaultRect,
                                  int screenWidth, int screenHeight,
                                  const std::vector<DesktopRect>& screens)
{
    CheckedWindowRect checked{rect, false};
    if (IsLargerThanScreen(checked.rect, screenWidth, screenHeight)) {
        checked.startMaximized = true;
        checked.rect = defaultRect;
    }
    if (WidthOf(checked.rect) < MIN_WINDOW_WIDTH || HeightOf(checked.rect) < MIN_WINDOW_HEIGHT)
        checked.rect = defaultRect;
    if (!screens.empty() && !IsOnAnyScreen(checked.rect, screens)) {
        const int32_t width = checked.rect.right - checked.rect.left;
        const int32_t height = checked.rect.bottom - checked.rect.top;
        checked.rect = {defaultRect.left, defaultRect.top, defaultRect.left + width,
                        defaultRect.top + height};
    }
    return checked;
}

ChildPlacement PlaceChildren(int clientWidth, int clientHeight)
{
    const int width = std::max(clientWidth, 0);
    const int height = std::max(clientHeight, 0);
    const int barTop = height - BUTTON_BAR_HEIGHT;
    ChildPlacement placement;
    placement.boardView = {0, 0, width, std::max(barTop, 0)};
    const int b = 2 * ((width + 9) / 18);
    const int barBottom = barTop + BUTTON_BAR_HEIGHT;
    for (int k = 0; k < BAR_BUTTON_COUNT - 1; ++k)
        placement.buttons[k] = {k * b, barTop, (k + 1) * b, barBottom};
    placement.buttons[BAR_BUTTON_COUNT - 1] = {8 * b, barTop, 8 * b + std::max(width - 8 * b, 0), barBottom};
    return placement;
}
