// The game's own help window, showing the manual compiled into the program.
#pragma once

#include <QWidget>

class QTextBrowser;

// One help window for the whole program, created on first use and raised
// on every later one. Works offline and from any working directory.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Shows (or raises) the help window; it doesn't block and doesn't take
    // ownership of anything. parent may be null.
    static HelpWindow* ShowHelp(QWidget* parent);
    // The one window, or nullptr before the first ShowHelp.
    static HelpWindow* Instance();

    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    QTextBrowser* Browser() const { return browser; }

private:
    QTextBrowser* browser;
};
