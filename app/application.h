// The program: the dialogs' colours, the random seed and the main window.
#pragma once

#include "app/translations.h"

#include <QApplication>

#include <memory>

class FontPreloader;
class GameMainWindow;
class SessionBusOpener;
class TerminationSignals;

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    // fonts has been reading the fonts since before the application existed;
    // it is let go on to fill Qt's list of fonts now. The window's first
    // measurement of text waits for that list behind Qt's own lock; the
    // language's check of the fonts waits here for fontconfig to be read.
    Application(int& argc, char** argv, std::unique_ptr<FontPreloader> fonts);
    ~Application() override;

    // Prepares the program and shows the main window. False when the program
    // must end at once, with status 2: a command line it cannot follow, said
    // on stderr before anything is read or written. A saved state that was
    // there but not taken whole is reported on stderr.
    bool Start();
    // After the event loop: writes the saved state if no close has, and
    // closes the window. Returns the exit status: status, or 1 when nothing
    // could be saved, which is then reported on stderr.
    int Finish(int status);

    GameMainWindow* MainWindow() const { return mainWindow.get(); }

    // Pale yellow dialogs and message boxes with dark red text, program-wide.
    static void SetDialogColours();


private:
    // Destroyed before the application itself, whose fonts its thread uses.
    std::unique_ptr<FontPreloader> fontPreloader;
    std::unique_ptr<SessionBusOpener> sessionBus;
    Translations translations;
    std::unique_ptr<TerminationSignals> terminationSignals;
    std::unique_ptr<GameMainWindow> mainWindow;
};
