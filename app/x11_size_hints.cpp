// The aspect fields of WM_NORMAL_HINTS, merged into the hints Qt has set.
#include "x11_size_hints.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef KOLUMO_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#endif

bool SetAspectHints(QWidget* window, int minNumerator, int minDenominator, int maxNumerator,
                    int maxDenominator)
{
#ifdef KOLUMO_HAVE_XCB
    // Other platforms (offscreen among them) may offer the same interface
    // without a window manager behind it.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || window == nullptr
        || !window->isWindow() || !window->isVisible())
        return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());

    // WM_SIZE_HINTS: 18 words; flags first, the aspect pairs at 11 to 14.
    constexpr int HINT_WORDS = 18;
    constexpr uint32_t ASPECT_FLAG = 1u << 7;
    std::array<uint32_t, HINT_WORDS> hints{};
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, HINT_WORDS);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32) {
            const int words = std::min(xcb_get_property_value_length(reply) / 4, HINT_WORDS);
            std::memcpy(hints.data(), xcb_get_property_value(reply),
                        static_cast<size_t>(words) * 4);
        }
        free(reply);
    }
    hints[0] |= ASPECT_FLAG;
    hints[11] = static_cast<uint32_t>(minNumerator);
    hints[12] = static_cast<uint32_t>(minDenominator);
    hints[13] = static_cast<uint32_t>(maxNumerator);
    hints[14] = static_cast<uint32_t>(maxDenominator);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, HINT_WORDS, hints.data());
    xcb_flush(connection);
    return true;
#else
    (void)window;
    (void)minNumerator;
    (void)minDenominator;
    (void)maxNumerator;
    (void)maxDenominator;
    return false;
#endif
}
