// The program: the dialogs' colours, the random seed and the main window.
#pragma once

#include <QApplication>

#include <memory>

class GameMainWindow;
class TerminationSignals;

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Prepares the program and shows the main window. False when the program
    // must end at once.
    bool Start();

    GameMainWindow* MainWindow() const { return mainWindow.get(); }

    // Pale yellow dialogs and message boxes with dark red text, program-wide.
    static void SetDialogColours();

private:
    std::unique_ptr<TerminationSignals> terminationSignals;
    std::unique_ptr<GameMainWindow> mainWindow;
};
