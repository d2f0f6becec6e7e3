// The game's own help window, showing the manual compiled into the program.
#include "app/help_window.h"

#include "app/translations.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The manual in the language the game speaks, else in English.
QUrl HelpDocument()
{
    const QString language = Translations::FirstAvailable({Translations::Current()}, QStringLiteral(":/help"),
                                                          QStringLiteral("kolumo-help_"),
                                                          QStringLiteral(".html"));
    return QUrl(language.isEmpty() ? QStringLiteral("qrc:/help/kolumo-help.html")
                                   : QStringLiteral("qrc:/help/kolumo-help_%1.html").arg(language));
}

QPointer<HelpWindow>& TheHelpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

HelpWindow* HelpWindow::ShowHelp(QWidget* parent)
{
    QPointer<HelpWindow>& window = TheHelpWindow();
    if (window.isNull())
        window = new HelpWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window.data();
}

HelpWindow* HelpWindow::Instance()
{
    return TheHelpWindow().data();
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Kolumo Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setOpenExternalLinks(true);
    browser->document()->setDocumentMargin(14);
    browser->setSource(HelpDocument());
    resize(620, 640);
}

HelpWindow::~HelpWindow() = default;
