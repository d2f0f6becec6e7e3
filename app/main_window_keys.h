// The Space key of the main window: whichever of its children has the focus,
// Space commits the board selection and never presses a focused button.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

class SpaceAccelerator : public QObject {
    Q_OBJECT

public:
    // Watches every key event of the application (install with
    // qApp->installEventFilter); only those aimed at window or its children
    // are taken, so dialogs keep their own Space.
    SpaceAccelerator(QWidget* window, std::function<void()> command);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    std::function<void()> command;
};
