// Start-up: colours, seed, main window.
#include "application.h"

#include "app/deferred_icon_style.h"
#include "app/font_preloader.h"
#include "app/game_main_window.h"
#include "app/session_bus_opener.h"
#include "app/termination_signals.h"
#include "controls/dialog_colours.h"
#include "controls/puzzle_code_dialog.h"
#include "controls/report_text.h"
#include "engine/puzzle_code.h"
#include "engine/random.h"
#include "kolumo_version.h"

#include <QLocale>
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

void Report(const QString& line)
{
    Report(line.toLocal8Bit().toStdString());
}

void Report(const FileReport& report)
{
    if (!report.Empty())
        Report(ReportLine(report));
}

// What the command line asks for: nothing, or `--puzzle CODE` (or
// `--puzzle=CODE`), the puzzle a code names. Qt has taken its own options.
struct CommandLine {
    QString problem;
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
                //: An error on the command line; --puzzle is the option's name and stays as it is.
                line.problem = Application::tr("--puzzle needs a puzzle code");
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
        if (read.problem != PuzzleCodeProblem::NONE) {
            //: An error on the command line: %1 is the code as typed, %2 says why it cannot be read.
            line.problem = Application::tr("cannot read the puzzle code \"%1\": %2")
                               .arg(code, PuzzleCodeDialog::ProblemWords(read));
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
    // The menu stays in the window, where the layout counts it, even on a
    // desktop with a global menu; and Qt then asks no bus whether there is one.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
    sessionBus = std::make_unique<SessionBusOpener>();
    // The language's check of the fonts asks fontconfig, once it is read.
    if (fontPreloader)
        fontPreloader->WaitForFontconfig();
    // Before any word is shown or written: the command line's complaints too.
    translations.Install(QLocale::system().uiLanguages());
}

Application::~Application()
{
    // The window writes the saved state if nothing closed it.
    mainWindow.reset();
    fontPreloader.reset();
    sessionBus.reset();
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
    if (!commandLine.problem.isEmpty()) {
        Report(commandLine.problem);
        return false;
    }
    setStyle(new DeferredIconStyle);
    SetDialogColours();
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    terminationSignals = std::make_unique<TerminationSignals>();
    mainWindow = std::make_unique<GameMainWindow>();
    Report(mainWindow->StateReadReport());
    Report(mainWindow->GameReadReport());
    Report(mainWindow->Help().SettingsReadReport());
    if (commandLine.puzzle.has_value())
        mainWindow->StartCodedPuzzle(*commandLine.puzzle);
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
    const FileReport saveReport = mainWindow->StateSaveReport();
    mainWindow.reset();
    if (saveReport.Empty())
        return status;
    Report(saveReport);
    return 1;
}
