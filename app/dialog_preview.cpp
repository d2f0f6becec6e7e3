// Shows each dialog of the game and saves a picture of it, for a look by eye.
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/translations.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"
#include "controls/puzzle_code_dialog.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QTimer>

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    widget.grab().save(QDir(folder).filePath(name));
}

} // namespace

// Usage: kolumo_dialog_preview FOLDER [SECONDS]. With SECONDS the dialogs
// stay on screen that long each, one after another, for a screenshot of the
// whole display.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // In the desktop's language, as the game would show them.
    Translations translations;
    translations.Install(QLocale::system().uiLanguages());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool live = argc > 2;

    PreferencesDialog preferences;
    PlayerPreferences shown;
    shown.music = false;
    preferences.SetPreferences(shown);
    Save(preferences, folder, QStringLiteral("preferences.png"));

    PlayOptionsDialog playOptions;
    Save(playOptions, folder, QStringLiteral("play_options.png"));

    // The longest word it can say of a code, with the code that earned it.
    PuzzleCodeDialog puzzleCode;
    puzzleCode.CodeField().setText(QStringLiteral("A7D4-G000-C1ST0"));
    puzzleCode.OnOk();
    Save(puzzleCode, folder, QStringLiteral("puzzle_code.png"));

    AboutDialog about;
    Save(about, folder, QStringLiteral("about.png"));

    HelpWindow* help = HelpWindow::ShowHelp(nullptr);
    Save(*help, folder, QStringLiteral("help.png"));

    if (live) {
        for (QWidget* widget : std::initializer_list<QWidget*>{&preferences, &playOptions, &puzzleCode, &about, help})
            widget->hide();
        const int seconds = QString::fromLocal8Bit(argv[2]).toInt();
        for (QWidget* widget : std::initializer_list<QWidget*>{&preferences, &playOptions, &puzzleCode, &about, help}) {
            widget->move(0, 0);
            widget->show();
            // A loop of its own: quitting the application would close (and
            // so delete) the help window.
            QEventLoop loop;
            QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
            loop.exec();
            widget->hide();
        }
    }
    delete help;
    return 0;
}
