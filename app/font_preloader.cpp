// The font thread: fontconfig, the board's textures, Qt's list of fonts and its fallback order, then the board's faces.
#include "app/font_preloader.h"

#include "board/board_fonts.h"
#include "board/board_textures.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <system_error>

FontPreloader::FontPreloader()
{
    try {
        thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        // No thread to be had: the first layout reads the fonts itself.
        fontconfigRead = true;
    }
}

FontPreloader::~FontPreloader()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        cancelled = true;
    }
    changed.notify_all();
    if (thread.joinable())
        thread.join();
}

void FontPreloader::ApplicationReady()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        applicationReady = true;
    }
    changed.notify_all();
}

void FontPreloader::WaitForFontconfig()
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return fontconfigRead; });
}

void FontPreloader::Run()
{
    // At the main thread's own priority: the main thread waits for this
    // work (fontconfig, Qt's list of fonts behind Qt's lock), and on a busy
    // machine a lowered thread would hold it up for as long as the other
    // programs keep the cores.
    //
    // Reads the configuration files and the font caches: Qt finds them read.
    FcInit();
    {
        const std::lock_guard<std::mutex> lock(mutex);
        fontconfigRead = true;
    }
    changed.notify_all();
    TheBoardTextures();
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return applicationReady || cancelled; });
        if (cancelled)
            return;
    }
    // Qt's font database serialises its users: a window that measures text
    // meanwhile waits for the list instead of filling it a second time.
    QFontDatabase::families();
    // The first measurement in the interface's face sorts every installed
    // font into the order Qt falls back on; Qt keeps that order for the whole
    // process, so the menu's first measurement finds it sorted.
    QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("File"));
    MeasureCellFontFace(SYMBOL_FACE);
    MeasureCellFontFace(NUMBER_FACE);
}
