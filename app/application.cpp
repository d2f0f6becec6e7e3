// Start-up: colours, seed, main window.
#include "application.h"

#include "app/font_preloader.h"
#include "app/game_main_window.h"
#include "app/termination_signals.h"
#include "controls/dialog_colours.h"
#include "engine/puzzle_code.h"
#include "engine/random.h"
#include "kolumo_version.h"

#include <QMessageBox>
#include <QPalette>

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

namespace {

// One line on stderr, in the form command-line tools use.
void Report(const std::string& line)
{
    std::fprintf(stderr, "kolumo: %s\n", line.c_str());
}

// What the command line asks for: nothing, or `--puzzle CODE` (or
// `--puzzle=CODE`), the puzzle a code names. Qt has taken its own options.
struct CommandLine {
    std::string problem;
    std::optional<PuzzleCodeRead> puzzle;
};

CommandLine ReadCommandLine(const QStringList& arguments)
{
    CommandLine line;
    static const QString option = QStringLiteral("--puzzle");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == option) {
            if (i + 1 == arguments.size()) {
                line.problem = "--puzzle needs a puzzle code";
                return line;
            }
            code = arguments[++i];
        } else if (arguments[i].startsWith(option + QLatin1Char('='))) {
            code = arguments[i].mid(option.size() + 1);
        } else {
            // Other arguments were never read, and still are not.
            continue;
        }
        PuzzleCodeRead read = ReadPuzzleCode(code.toStdString());
        if (!read.problem.empty()) {
            line.problem = "cannot read the puzzle code \"" + code.toStdString() + "\": " + read.problem;
            return line;
        }
        line.puzzle = read;
    }
    return line;
}

}  // namespace

Application::Application(int& argc, char** argv) : Application(argc, argv, nullptr) {}

Application::Application(int& argc, char** argv, std::unique_ptr<FontPreloader> fonts)
    : QApplication(argc, argv), fontPreloader(std::move(fonts))
{
    setApplicationName(QStringLiteral("Kolumo"));
    setApplicationVersion(QStringLiteral(KOLUMO_VERSION));
    if (fontPreloader)
        fontPreloader->ApplicationReady();
}

Application::~Application()
{
    // The window writes the saved state if nothing closed it.
    mainWindow.reset();
    fontPreloader.reset();
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
    const CommandLine commandLine = ReadCommandLine(arguments());
    if (!commandLine.problem.empty()) {
        Report(commandLine.problem);
        return false;
    }
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
    if (commandLine.puzzle.has_value())
        mainWindow->StartCodedPuzzle(*commandLine.puzzle);
    if (fontPreloader)
        fontPreloader->WaitForFontList();
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
