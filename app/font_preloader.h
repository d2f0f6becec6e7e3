// Readies the fonts on a thread of their own while the program connects to the display and builds its window.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Text is the slowest part of the first frame: fontconfig reads its whole
// configuration, Qt lists every installed font and sorts them into the order
// it falls back on, and the board measures its two faces. None of it needs the
// window, so it runs beside the start-up instead of inside the first layout;
// so does the decoding of the board's textures, while the thread waits for
// the application. Made before the application, so fontconfig's
// reading overlaps Qt's connection to the display; the thread is waited for
// on destruction, which must come before the application's.
class FontPreloader {
public:
    FontPreloader();
    ~FontPreloader();
    FontPreloader(const FontPreloader&) = delete;
    FontPreloader& operator=(const FontPreloader&) = delete;

    // The application exists: Qt's list of fonts may be filled, then the
    // board's faces measured.
    void ApplicationReady();
    // Returns once fontconfig has read its configuration and font caches (at
    // once if there is no thread): asking fontconfig from here on does not
    // read them a second time beside the thread.
    void WaitForFontconfig();

private:
    void Run();

    std::mutex mutex;
    std::condition_variable changed;
    bool applicationReady = false;
    bool cancelled = false;
    bool fontconfigRead = false;
    std::thread thread;
};
