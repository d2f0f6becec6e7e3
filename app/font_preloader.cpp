// The font thread: fontconfig's configuration, then Qt's list of fonts, then the board's faces.
#include "app/font_preloader.h"

#include "board/board_fonts.h"

#include <QFontDatabase>
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
        fontListFilled = true;
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

void FontPreloader::WaitForFontList()
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return fontListFilled || !applicationReady; });
}

void FontPreloader::Run()
{
    // Reads the configuration files and the font caches: Qt finds them read.
    FcInit();
    {
        std::unique_lock<std::mutex> lock(mutex);
        fontconfigRead = true;
        changed.notify_all();
        changed.wait(lock, [this] { return applicationReady || cancelled; });
        if (cancelled)
            return;
    }
    // Qt's font database serialises its users: a window that measures text
    // meanwhile waits for the list instead of filling it a second time.
    QFontDatabase::families();
    {
        const std::lock_guard<std::mutex> lock(mutex);
        fontListFilled = true;
    }
    changed.notify_all();
    MeasureCellFontFace(SYMBOL_FACE);
    MeasureCellFontFace(NUMBER_FACE);
}
