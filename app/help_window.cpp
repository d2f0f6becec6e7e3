// The game's own help window, showing the manual compiled into the program.
#include "app/help_window.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const HELP_DOCUMENT = "qrc:/help/kolumo-help.html";

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
    setWindowTitle(QStringLiteral("Kolumo Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setOpenExternalLinks(true);
    browser->document()->setDocumentMargin(14);
    browser->setSource(QUrl(QString::fromLatin1(HELP_DOCUMENT)));
    resize(620, 640);
}

HelpWindow::~HelpWindow() = default;
