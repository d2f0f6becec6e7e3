// A short message shown over the board, in the dialogs' colours: never
// modal, never in the way of the board's own pictures once it is gone, and
// spoken by screen readers as an alert.
#pragma once

#include <QLabel>
#include <QString>

class PlayerMessage : public QLabel {
    Q_OBJECT

public:
    // Lives over host (the board view), centred near its top edge.
    explicit PlayerMessage(QWidget* host);

    // Shows text at once, replacing any message still shown.
    void Say(const QString& text);
    // Hides the message; nothing when none is shown.
    void Dismiss();
    // The text shown now (or that would be, were the board on screen), or
    // an empty string.
    QString Shown() const { return isHidden() ? QString() : text(); }

signals:
    // Each message as it is shown, for whatever speaks it aloud.
    void Said(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Width, wrap and place for the host's size now.
    void Place();
};
