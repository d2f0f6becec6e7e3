// Start-up: colours, seed, main window.
#include "application.h"

#include "app/game_main_window.h"
#include "app/termination_signals.h"
#include "controls/dialog_colours.h"
#include "engine/random.h"
#include "kolumo_version.h"

#include <QMessageBox>
#include <QPalette>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

// One line on stderr, in the form command-line tools use.
void Report(const std::string& line)
{
    std::fprintf(stderr, "kolumo: %s\n", line.c_str());
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Kolumo"));
    setApplicationVersion(QStringLiteral(KOLUMO_VERSION));
}

Application::~Application()
{
    // The window writes the saved state if nothing closed it.
    mainWindow.reset();
}

void Application::SetDialogColours()
{
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, DIALOG_BACKGROUND);
        palette.setColor(group, QPalette::WindowText, DIALOG_TEXT);
    }
    QApplication::setPalette(palette, "QDialog");
    QApplication::setPalette(palette, "QMessageBox");
}

bool Application::Start()
{
    // Linux needs no sockets layer set up, and Qt's controls already have
    // their three-dimensional look: start-up begins with the colours.
    SetDialogColours();
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    terminationSignals = std::make_unique<TerminationSignals>();
    mainWindow = std::make_unique<GameMainWindow>();
    if (!mainWindow->StateReadReport().empty())
        Report(mainWindow->StateReadReport());
    if (!mainWindow->GameReadReport().empty())
        Report(mainWindow->GameReadReport());
    if (!mainWindow->Help().SettingsReadReport().empty())
        Report(mainWindow->Help().SettingsReadReport());
    mainWindow->ShowAtStart();
    return true;
}

int Application::Finish(int status)
{
    if (mainWindow == nullptr)
        return status;
    // A quit without a close (a logout's signal, Ctrl+C) saves here.
    if (!mainWindow->StateSaved())
        mainWindow->SaveState();
    const std::string saveReport = mainWindow->StateSaveReport();
    mainWindow.reset();
    if (saveReport.empty())
        return status;
    Report(saveReport);
    return 1;
}
